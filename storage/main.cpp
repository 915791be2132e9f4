// The calculator's entry: load the state, show the window, run, save.
//
//   tovrin                         the calculator
//   tovrin --screenshot FILE [--function NAME] [--input MODE] [--keys TEXT]
//                                  renders the window of a first start
//                                  offscreen into the PNG file FILE, with
//                                  the function NAME (standard, financial,
//                                  scientific, statistical, programmer,
//                                  conversion, user), the input MODE
//                                  (simple, precedence, rpn) and the device
//                                  keys TEXT typed first; reads and writes
//                                  no settings.

#include "engine/State.h"
#include "engine/Undo.h"
#include "platform/Application.h"
#include "ui/CalculatorForm.h"
#include "ui/Startup.h"
#include "ui/TerminationSignals.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

const char* const FunctionOptions[] = {"standard",   "financial",  "scientific", "statistical",
                                       "programmer", "conversion", "user"};

struct ScreenshotOptions {
    QString file;
    int function = 0;
    QString input = QStringLiteral("simple");
    QString keys;
};

// Reads the screenshot options; false with a message on a bad command line.
bool ParseScreenshotOptions(const QStringList& args, ScreenshotOptions* options)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "tovrin: %s needs a value\n", qPrintable(arg));
            return false;
        }
        const QString value = args[++i];
        if (arg == QLatin1String("--screenshot")) {
            options->file = value;
        } else if (arg == QLatin1String("--function")) {
            options->function = -1;
            for (int f = 0; f < 7; ++f)
                if (value == QLatin1String(FunctionOptions[f]))
                    options->function = f;
            if (options->function < 0) {
                std::fprintf(stderr, "tovrin: unknown function %s\n", qPrintable(value));
                return false;
            }
        } else if (arg == QLatin1String("--input")) {
            if (value != QLatin1String("simple") && value != QLatin1String("precedence") &&
                value != QLatin1String("rpn")) {
                std::fprintf(stderr, "tovrin: unknown input mode %s\n", qPrintable(value));
                return false;
            }
            options->input = value;
        } else if (arg == QLatin1String("--keys")) {
            options->keys = value;
        } else {
            std::fprintf(stderr, "tovrin: unknown option %s\n", qPrintable(arg));
            return false;
        }
    }
    return true;
}

int RenderScreenshot(const ScreenshotOptions& options)
{
    ResetPrefs();
    ResetRegs();
    ResetUnPrefs();
    ResetKeyboardTable();
    ResetColors();
    Prefs.setRpnInput(options.input == QLatin1String("rpn"));
    Prefs.setPrecedenceInput(options.input == QLatin1String("precedence"));
    UnPrefs.setFunction(unsigned(options.function));
    InitializeUndo();

    CalculatorForm window(nullptr, nullptr, Qt::Window);
    window.resize(360, 560);
    window.show();
    for (QChar c : options.keys) {
        int key = c == QLatin1Char('\n') ? int(Qt::Key_Return) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c == QLatin1Char('\n') ? QString() : QString(c));
        QCoreApplication::sendEvent(&window, &press);
    }
    QCoreApplication::processEvents();
    if (!window.grab().save(options.file, "PNG")) {
        std::fprintf(stderr, "tovrin: cannot write %s\n", qPrintable(options.file));
        return 1;
    }
    return 0;
}

bool WantsScreenshot(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // A picture is rendered without a screen.
    if (WantsScreenshot(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    Application application(argc, argv);
    application.setApplicationVersion(QStringLiteral(TOVRIN_VERSION));

    if (application.arguments().size() > 1) {
        ScreenshotOptions options;
        if (!ParseScreenshotOptions(application.arguments(), &options) || options.file.isEmpty()) {
            std::fprintf(stderr, "usage: tovrin [--screenshot FILE [--function NAME] [--input MODE] [--keys TEXT]]\n");
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
