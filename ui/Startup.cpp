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

bool StartCalculator(const QString& settingsFile)
{
    bool found = settingsFile.isEmpty() ? GetPreferences() : GetPreferences(settingsFile);
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
    QString file = settingsFile.isEmpty() ? Config::userFileName(QStringLiteral("tovrin")) : settingsFile;
    QString text = Tr("Tovrin could not save its state\nin the settings file\n%1.\n\n"
                      "The changes of this session are lost.")
                       .arg(file);
    if (tellUser)
        QMessageBox::warning(nullptr, Tr("Tovrin"), text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
}
