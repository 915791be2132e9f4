// The calculator's entry: load the state, show the window, run, save.
//
//   tovrin                         the calculator
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
//                                  rpnstack, registers, about) that window
//                                  instead; the main window WxH pixels
//                                  large (360x560), at the device pixel
//                                  ratio F; reads and writes no settings.

#include "core/State.h"
#include "engine/Undo.h"
#include "platform/Application.h"
#include "ui/CalculatorForm.h"
#include "ui/Screenshot.h"
#include "ui/Startup.h"
#include "ui/TerminationSignals.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    // A picture is rendered without a screen, at the scale asked for.
    PrepareScreenshotPlatform(argc, argv);

    Application application(argc, argv);
    application.setApplicationVersion(QStringLiteral(TOVRIN_VERSION));

    if (application.arguments().size() > 1) {
        ScreenshotOptions options;
        if (!ParseScreenshotOptions(application.arguments(), &options) || options.file.isEmpty()) {
            std::fprintf(stderr, "usage: tovrin [%s]\n", ScreenshotUsage);
            return 2;
        }
        return RenderScreenshot(options);
    }

    StartCalculator();

    CalculatorForm* window = new CalculatorForm(nullptr, nullptr, Qt::Window | Qt::WindowContextHelpButtonHint);
    window->resize(360, 560);
    application.showMainWidget(window, true);

    // The end of the session and the termination signals quit like the
    // user does, and the state is saved; when the session manager asks
    // for the data first, it is saved then too.
    QuitOnTerminationSignals(&application);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [](QSessionManager&) { FinishCalculator(QString(), false); });

    int code = application.exec();
    if (code == 0)
        FinishCalculator(QString(), TerminationSignal() == 0);
    delete window;
    return code;
}
