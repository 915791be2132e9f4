// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/State.h"
#include "engine/Undo.h"
#include "platform/Config.h"
#include "storage/Preferences.h"
#include "ui/CalculatorForm.h"
#include "ui/Startup.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

// The context of the start-up's texts in the catalogues.
struct Startup {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

} // namespace

void AskInputMode(CalculatorForm* window)
{
    const QString title = Startup::tr("Choose how to type calculations");
    QMessageBox box(QMessageBox::Question, title,
                    Startup::tr("Tovrin can calculate in RPN: you type the numbers first, then the operation, as "
                                "in 3 ENTER 4 +. Without RPN you type 3 + 4 =, as on most calculators.\n\n"
                                "You can change this at any time in Options › Preferences."),
                    QMessageBox::NoButton, window);
    // Wide enough for its title beside the title bar's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = QFontMetrics(box.font()).horizontalAdvance(title) * 5 / 4 + 6 * box.fontInfo().pixelSize();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    QPushButton* ok = box.addButton(Startup::tr("OK"), QMessageBox::AcceptRole);
    QPushButton* rpn = box.addButton(Startup::tr("Enable RPN"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(rpn);
    box.exec();
    if (box.clickedButton() == ok)
        return;
    Prefs.setRpnInput(true);
    Prefs.setPrecedenceInput(false);
    PrefsChanged = 1;
    window->applyPreferences();
}

void FirstStartFromLocale(const QLocale& locale)
{
    if (locale.decimalPoint() == QLatin1String(",")) {
        Prefs.setCommaRadix(true);
        PrefsChanged = 1;
    }
}

QString UserSettingsFile()
{
    return Config::userFileName(QStringLiteral("tovrin"));
}

bool StartCalculator(const QString& settingsFile, SettingsDamage* damage)
{
    SettingsDamage found;
    const bool held = GetPreferences(settingsFile.isEmpty() ? UserSettingsFile() : settingsFile, &found);
    // The numbers' locale: LC_ALL, LC_NUMERIC or LANG.
    if (!held)
        FirstStartFromLocale(QLocale::system());
    InitializeUndo();
    if (damage)
        *damage = found;
    return held;
}

bool FinishCalculator(const QString& settingsFile, bool tellUser)
{
    const QString file = settingsFile.isEmpty() ? UserSettingsFile() : settingsFile;
    QString error;
    if (SavePreferences(file, &error))
        return true;
    const QString text = Startup::tr("Tovrin could not save its state\nin the settings file\n%1\n(%2).\n\n"
                                     "The file is left as it was, and the changes of this session are lost.")
                             .arg(file, error);
    if (tellUser)
        QMessageBox::warning(nullptr, Startup::tr("Tovrin"), text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
}

namespace {

QString KindText(FileKind kind)
{
    switch (kind) {
    case FileKind::Folder: return Startup::tr("a folder");
    case FileKind::Device: return Startup::tr("a device");
    case FileKind::Fifo: return Startup::tr("a named pipe");
    case FileKind::Socket: return Startup::tr("a socket");
    default: return Startup::tr("a special file");
    }
}

QString DamagedSettingsText(const QString& settingsFile, const SettingsDamage& damage)
{
    if (damage.refused())
        return Startup::tr("Tovrin cannot use its settings file\n%1:\nit is %2, not a regular file.\n\n"
                           "This session starts afresh and will not be saved.")
            .arg(settingsFile, KindText(damage.kind));
    QString text = Startup::tr("Tovrin could not read all of its settings file\n%1.\n\n"
                               "What could be read was loaded.")
                       .arg(settingsFile);
    if (!damage.copy.isEmpty())
        text += Startup::tr(" The file as it was is kept as\n%1.").arg(damage.copy);
    else
        text += Startup::tr(" No copy of the file as it was could be kept, so the file is left as it is; "
                            "this session is saved only once a copy can be kept.");
    return text;
}

void ShowBeside(QWidget* window, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, Startup::tr("Tovrin"), text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

} // namespace

void TellDamagedSettings(QWidget* window, const QString& settingsFile, const SettingsDamage& damage)
{
    ShowBeside(window, DamagedSettingsText(settingsFile, damage));
}

void TellUnlockedSettings(QWidget* window, const InstanceLock& lock, InstanceLock::Result result)
{
    if (result == InstanceLock::HeldElsewhere)
        ShowBeside(window, Startup::tr("The settings file\n%1\nis in use by Tovrin on the computer %2, or was "
                                       "when that stopped.\n\nThis Tovrin runs without saving its state. If no "
                                       "Tovrin runs on %2, quit, remove the lock file\n%3\nand start again.")
                               .arg(lock.settingsFile(), lock.holderHost(), lock.lockFileName()));
    else
        ShowBeside(window, Startup::tr("Tovrin could not make the lock file\n%1\n(a folder that cannot be "
                                       "written, or a full disk).\n\nThis Tovrin runs without saving its state, "
                                       "so that it cannot overwrite another one's.")
                               .arg(lock.lockFileName()));
}

void TellSettingsInUse(const QString& settingsFile)
{
    const QString text =
        Startup::tr("The settings file\n%1\nis in use by another Tovrin that does not answer.").arg(settingsFile);
    std::fprintf(stderr, "tovrin: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    QMessageBox::warning(nullptr, Startup::tr("Tovrin"), text);
}
