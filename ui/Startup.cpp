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

QString Tr(const char* text)
{
    return QCoreApplication::translate("Startup", text);
}

} // namespace

bool AskEnableRpn()
{
    QMessageBox box(QMessageBox::Information, Tr("Input Method"),
                    Tr("Tovrin is capable of\nperforming RPN\ncalculations, but does\nnot do so by default.\n\n"
                       "This setting can be\nchanged at any time in\nthe Preferences dialog."));
    QPushButton* ok = box.addButton(Tr("OK"), QMessageBox::AcceptRole);
    QPushButton* rpn = box.addButton(Tr("Enable RPN"), QMessageBox::RejectRole);
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
    QString text = Tr("Tovrin could not save its state\nin the settings file\n%1.\n\n"
                      "The changes of this session are lost.")
                       .arg(file);
    if (tellUser)
        QMessageBox::warning(nullptr, Tr("Tovrin"), text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
}

namespace {

QString DamagedSettingsText(const QString& settingsFile, const SettingsDamage& damage)
{
    QString text = Tr("Tovrin could not read all of its settings file\n%1.\n\n"
                      "What could be read was loaded.").arg(settingsFile);
    if (!damage.copy.isEmpty())
        text += Tr(" The file as it was is kept as\n%1.").arg(damage.copy);
    else
        text += Tr(" No copy of the file as it was could be kept.");
    return text;
}

} // namespace

void TellDamagedSettings(QWidget* window, const QString& settingsFile, const SettingsDamage& damage)
{
    auto* box = new QMessageBox(QMessageBox::Warning, Tr("Tovrin"), DamagedSettingsText(settingsFile, damage),
                                QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
