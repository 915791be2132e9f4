#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/CalculatorForm.h"
#include "ui/Screenshot.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/ColorsDialog.h"
#include "ui/dialogs/KeyboardDialog.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cstdio>
#include <memory>

namespace {

const char* const FunctionOptions[] = {"standard",   "financial",  "scientific", "statistical",
                                       "programmer", "conversion", "user"};

// The window of `name`, made as the main window makes it.
std::unique_ptr<QWidget> MakeWindow(const QString& name, CalculatorForm* parent)
{
    if (name == QLatin1String("preferences"))
        return std::make_unique<PreferencesDialog>(parent);
    if (name == QLatin1String("colors"))
        return std::make_unique<ColorsDialog>(parent);
    if (name == QLatin1String("keyboard"))
        return std::make_unique<KeyboardDialog>(parent);
    if (name == QLatin1String("rpnstack"))
        return std::make_unique<RpnStackForm>(parent, int(Prefs.stackSize));
    if (name == QLatin1String("registers"))
        return std::make_unique<UserRegistersForm>(parent, Prefs.hundredRegisters(), false);
    if (name == QLatin1String("about"))
        return std::make_unique<AboutForm>(parent);
    return nullptr;
}

} // namespace

QStringList ScreenshotWindows()
{
    return {QStringLiteral("main"),     QStringLiteral("preferences"), QStringLiteral("colors"),
            QStringLiteral("keyboard"), QStringLiteral("rpnstack"),    QStringLiteral("registers"),
            QStringLiteral("about")};
}

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
            for (int f = 0; f < FunctionCount; ++f)
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
        } else if (arg == QLatin1String("--window")) {
            if (!ScreenshotWindows().contains(value)) {
                std::fprintf(stderr, "tovrin: unknown window %s\n", qPrintable(value));
                return false;
            }
            options->window = value;
        } else {
            std::fprintf(stderr, "tovrin: unknown option %s\n", qPrintable(arg));
            return false;
        }
    }
    return true;
}

int RenderScreenshot(const ScreenshotOptions& options)
{
    ResetCalculator();
    Prefs.setRpnInput(options.input == QLatin1String("rpn"));
    Prefs.setPrecedenceInput(options.input == QLatin1String("precedence"));
    UnPrefs.setFunction(unsigned(options.function));

    CalculatorForm window(nullptr, nullptr, Qt::Window);
    window.resize(360, 560);
    window.show();
    for (QChar c : options.keys) {
        int key = c == QLatin1Char('\n') ? int(Qt::Key_Return) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c == QLatin1Char('\n') ? QString() : QString(c));
        QCoreApplication::sendEvent(&window, &press);
    }
    QCoreApplication::processEvents();

    QWidget* shown = &window;
    std::unique_ptr<QWidget> other = MakeWindow(options.window, &window);
    if (other) {
        other->adjustSize();
        other->show();
        QCoreApplication::processEvents();
        shown = other.get();
    }
    if (!shown->grab().save(options.file, "PNG")) {
        std::fprintf(stderr, "tovrin: cannot write %s\n", qPrintable(options.file));
        return 1;
    }
    return 0;
}
