// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's entry: load the state, show the window, run, save.
//
//   tovrin                         the calculator
//   tovrin --help | --version | --list-keys
//                                  print the usage, the version or every
//                                  key of every function, without a window
//                                  system
//   tovrin --screenshot FILE [--function NAME] [--input MODE] [--keys TEXT] [--window NAME]
//          [--size WxH] [--scale F]
//                                  renders the window of a first start
//                                  offscreen into the PNG file FILE, with
//                                  the function NAME (standard, financial,
//                                  scientific, statistical, programmer,
//                                  conversion, user), the input MODE
//                                  (simple, precedence, rpn) and the device
//                                  keys TEXT typed first; with --window
//                                  NAME (preferences, colors, keyboard,
//                                  rpnstack, registers, tape, about, keys,
//                                  guide) that window instead; the main
//                                  window WxH pixels large (360x560), at
//                                  the device pixel ratio F; reads and
//                                  writes no settings.
//
// One calculator runs per settings file: a second start on the file of a
// running calculator brings that window to the front and exits with 0.  A
// calculator that cannot lock its settings file, or finds something other
// than a regular file in its place, runs without saving and says so.

#include "core/State.h"
#include "engine/Undo.h"
#include "platform/Application.h"
#include "platform/InstanceLock.h"
#include "platform/StartupWarmUp.h"
#include "storage/WindowPlace.h"
#include "ui/CalculatorForm.h"
#include "ui/CommandLine.h"
#include "ui/Legends.h"
#include "ui/Screenshot.h"
#include "ui/Startup.h"
#include "ui/TerminationSignals.h"
#include "ui/Translations.h"
#include "ui/Version.h"
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>

#include <cstdio>

namespace {

// How long a second start waits for the calculator that holds the settings
// file to answer, in milliseconds.
constexpr int InstanceWait = 2000;

void BringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char** argv)
{
    const int printed = RunPrintingOption(argc, argv);
    if (printed >= 0)
        return printed;

    // The font configuration is read while the application connects to
    // the display; the image plugins are loaded and the legend font is
    // registered while the settings are read.  The first frame needs all
    // three.
    BackgroundTask fonts(ReadFontConfiguration);

    // A picture is rendered without a screen, at the scale asked for.
    PrepareScreenshotPlatform(argc, argv);

    Application application(argc, argv);
    BackgroundTask pictures([] {
        LoadImagePlugins();
        LegendFont();
    });
    application.setApplicationVersion(QLatin1String(ProgramVersion));
    // The user's language, for every window and the picture of one alike.
    InstallTranslations(&application);

    if (application.arguments().size() > 1) {
        ScreenshotOptions options;
        if (!ParseScreenshotOptions(application.arguments(), &options) || options.file.isEmpty()) {
            std::fprintf(stderr, "%s\n", UsageLine());
            return 2;
        }
        return RenderScreenshot(options);
    }

    // The file is ours, or another calculator's, before it is read and
    // before the first start's question.  Without the lock the calculator
    // runs all the same, but never saves.
    const QString settingsFile = UserSettingsFile();
    InstanceLock instance(settingsFile);
    const InstanceLock::Result claim = instance.claim(InstanceWait);
    if (claim == InstanceLock::Handed)
        return 0;
    if (claim == InstanceLock::HeldHere) {
        TellSettingsInUse(settingsFile);
        return 1;
    }

    // A later start asks to see this calculator: its window, or the modal
    // box in front of it (the first start's question, a dialog).
    CalculatorForm* window = nullptr;
    QObject::connect(&instance, &InstanceLock::raiseRequested, &application, [&window] {
        if (QWidget* modal = QApplication::activeModalWidget())
            BringToFront(modal);
        else if (window)
            BringToFront(window);
    });

    SettingsDamage damage;
    const bool found = StartCalculator(settingsFile, &damage);
    const bool saving = claim == InstanceLock::Locked && !damage.refused();

    window = new CalculatorForm(nullptr, nullptr, Qt::Window | Qt::WindowContextHelpButtonHint);
    const WindowPlace place = StoredWindowPlace();
    if (place.width > 0)
        GiveWindowPlace(window, place, AvailableScreens());
    else
        window->resize(360, 560);
    application.showMainWidget(window, true);
    ReopenSideWindows(window, place);
    if (damage.damaged || damage.refused())
        TellDamagedSettings(window, settingsFile, damage);
    if (claim != InstanceLock::Locked)
        TellUnlockedSettings(window, instance, claim);
    // The first start asks over the calculator it sets up; a refused file
    // keeps no answer, so it is not asked.
    if (!found && !damage.refused())
        AskInputMode(window);

    // The end of the session and the termination signals quit like the
    // user does, and the state is saved, the window's place with it; when
    // the session manager asks for the data first, it is saved then too.
    // At the end the side windows are closed already: their place is the
    // one they had when the quit was asked for.
    const QuitPlace quitPlace(*window);
    auto finish = [&settingsFile, saving](const WindowPlace& place, bool tellUser) {
        if (!saving)
            return;
        KeepWindowPlace(place);
        FinishCalculator(settingsFile, tellUser);
    };
    QuitOnTerminationSignals(&application);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&finish, window](QSessionManager&) { finish(TakeWindowPlace(*window), false); });

    int code = application.exec();
    if (code == 0)
        finish(quitPlace.place(), TerminationSignal() == 0);
    delete window;
    return code;
}
