// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/State.h"
#include "engine/Undo.h"
#include "platform/Config.h"
#include "storage/Preferences.h"
#include "ui/Startup.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

// The context of the start-up's texts in the catalogues.
struct Startup {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

} // namespace

bool AskEnableRpn()
{
    QMessageBox box(QMessageBox::Information, Startup::tr("Input Method"),
                    Startup::tr("Tovrin is capable of\nperforming RPN\ncalculations, but does\nnot do so by default."
                                "\n\nThis setting can be\nchanged at any time in\nthe Preferences dialog."));
    QPushButton* ok = box.addButton(Startup::tr("OK"), QMessageBox::AcceptRole);
    QPushButton* rpn = box.addButton(Startup::tr("Enable RPN"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(rpn);
    box.exec();
    return box.clickedButton() != ok;
}

QString UserSettingsFile()
{
    return Config::userFileName(QStringLiteral("tovrin"));
}

bool StartCalculator(const QString& settingsFile, SettingsDamage* damage)
{
    bool found = GetPreferences(settingsFile.isEmpty() ? UserSettingsFile() : settingsFile, damage);
    if (!found && AskEnableRpn()) {
        Prefs.setRpnInput(true);
        PrefsChanged = 1;
    }
    InitializeUndo();
    return found;
}

bool FinishCalculator(const QString& settingsFile, bool tellUser)
{
    bool saved = settingsFile.isEmpty() ? SavePreferences() : SavePreferences(settingsFile);
    if (saved)
        return true;
    QString file = settingsFile.isEmpty() ? UserSettingsFile() : settingsFile;
    QString text = Startup::tr("Tovrin could not save its state\nin the settings file\n%1.\n\n"
                               "The changes of this session are lost.")
                       .arg(file);
    if (tellUser)
        QMessageBox::warning(nullptr, Startup::tr("Tovrin"), text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
}

namespace {

QString DamagedSettingsText(const QString& settingsFile, const SettingsDamage& damage)
{
    QString text = Startup::tr("Tovrin could not read all of its settings file\n%1.\n\n"
                               "What could be read was loaded.")
                       .arg(settingsFile);
    if (!damage.copy.isEmpty())
        text += Startup::tr(" The file as it was is kept as\n%1.").arg(damage.copy);
    else
        text += Startup::tr(" No copy of the file as it was could be kept.");
    return text;
}

} // namespace

void TellDamagedSettings(QWidget* window, const QString& settingsFile, const SettingsDamage& damage)
{
    auto* box = new QMessageBox(QMessageBox::Warning, Startup::tr("Tovrin"),
                                DamagedSettingsText(settingsFile, damage), QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
