// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/State.h"
#include "engine/KeyScript.h"
#include "engine/ProgrammerBase.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/CalculatorForm.h"
#include "ui/Screenshot.h"
#include "ui/SideWindow.h"
#include "ui/Startup.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/ColorsDialog.h"
#include "ui/dialogs/KeyboardDialog.h"
#include "ui/dialogs/KeysForm.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/TapeForm.h"
#include "ui/dialogs/UserGuideForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

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
    if (name == QLatin1String("tape"))
        return std::make_unique<TapeForm>(parent);
    if (name == QLatin1String("keys")) {
        auto keys = std::make_unique<KeysForm>(parent);
        keys->refresh();
        return keys;
    }
    if (name == QLatin1String("guide"))
        return std::make_unique<UserGuideForm>(parent);
    return std::unique_ptr<QWidget>(CalculatorForm::MakeSideWindow(name, parent));
}

// The scale factor of --scale: a device pixel ratio from 0.5 to 8; 0 when
// the text is none.
double ParseScale(const char* text)
{
    double scale = 0;
    const char* end = text + std::strlen(text);
    auto [rest, error] = std::from_chars(text, end, scale);
    if (error != std::errc() || rest != end || !(scale >= 0.5 && scale <= 8))
        return 0;
    return scale;
}

// The size of --size, "WxH" in pixels; an invalid size when the text is none.
QSize ParseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool wide = false;
    bool high = false;
    const int width = parts.size() == 2 ? parts[0].toInt(&wide) : 0;
    const int height = parts.size() == 2 ? parts[1].toInt(&high) : 0;
    if (!wide || !high || width < 1 || height < 1 || width > 10000 || height > 10000)
        return QSize();
    return QSize(width, height);
}

} // namespace

const char ScreenshotUsage[] = "--screenshot FILE [--function NAME] [--input MODE] [--keys TEXT] [--press KEYS]"
                               " [--window NAME] [--size WxH] [--scale F]";

bool PrepareScreenshotPlatform(int argc, char** argv)
{
    bool wanted = false;
    for (int i = 1; i < argc; ++i)
        wanted = wanted || std::strcmp(argv[i], "--screenshot") == 0;
    if (!wanted)
        return false;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && ParseScale(argv[i + 1]) > 0)
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
    }
    return true;
}

QStringList ScreenshotWindows()
{
    return {QStringLiteral("main"),     QStringLiteral("preferences"), QStringLiteral("colors"),
            QStringLiteral("keyboard"), QStringLiteral("rpnstack"),    QStringLiteral("registers"),
            QStringLiteral("about"),    QStringLiteral("tape"),        QStringLiteral("keys"),
            QStringLiteral("guide"),    QStringLiteral("statistics"),  QStringLiteral("schedule"),
            QStringLiteral("cashflows")};
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
        } else if (arg == QLatin1String("--press")) {
            std::vector<KeyAction> actions;
            std::string bad;
            if (!ReadKeyScript(value.toStdString(), actions, bad)) {
                std::fprintf(stderr, "tovrin: unknown key %s in --press\n", bad.c_str());
                return false;
            }
            options->press = value;
        } else if (arg == QLatin1String("--window")) {
            if (!ScreenshotWindows().contains(value)) {
                std::fprintf(stderr, "tovrin: unknown window %s\n", qPrintable(value));
                return false;
            }
            options->window = value;
        } else if (arg == QLatin1String("--size")) {
            options->size = ParseSize(value);
            options->sizeGiven = true;
            if (!options->size.isValid()) {
                std::fprintf(stderr, "tovrin: the size %s is not WIDTHxHEIGHT in pixels\n", qPrintable(value));
                return false;
            }
        } else if (arg == QLatin1String("--scale")) {
            options->scale = ParseScale(value.toLatin1().constData());
            if (options->scale <= 0) {
                std::fprintf(stderr, "tovrin: the scale %s is not a number from 0.5 to 8\n", qPrintable(value));
                return false;
            }
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
    FirstStartFromLocale(QLocale::system());
    Prefs.setRpnInput(options.input == QLatin1String("rpn"));
    Prefs.setPrecedenceInput(options.input == QLatin1String("precedence"));
    SelectFunction(unsigned(options.function));
    std::vector<KeyAction> actions;
    std::string bad;
    ReadKeyScript(options.press.toStdString(), actions, bad);
    // The last step that could not be done is told in the notice line, as
    // the window tells it.
    const KeyAction* notDone = nullptr;
    for (const KeyAction& action : actions)
        notDone = PerformKeyAction(action).empty() ? notDone : &action;

    CalculatorForm window(nullptr, nullptr, Qt::Window);
    window.resize(options.size);
    window.show();
    for (QChar c : options.keys) {
        int key = c == QLatin1Char('\n') ? int(Qt::Key_Return) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c == QLatin1Char('\n') ? QString() : QString(c));
        QCoreApplication::sendEvent(&window, &press);
    }
    QCoreApplication::processEvents();
    if (notDone) {
        window.tellNotDone(*notDone);
        QCoreApplication::processEvents();
    }

    QWidget* shown = &window;
    std::unique_ptr<QWidget> other = MakeWindow(options.window, &window);
    if (other) {
        // The size asked for; else a window that chose its own size keeps
        // it.  The offscreen screen is small: a window gets at least the
        // size it asks for, as on a desktop's screen.
        if (options.sizeGiven) {
            other->resize(options.size);
        } else {
            if (!other->testAttribute(Qt::WA_Resized))
                other->adjustSize();
            other->resize(other->size().expandedTo(other->sizeHint()));
        }
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
