// Renders the calculator's windows into pictures without a screen, for the
// documentation and for a look at the layout.
#pragma once

#include <QString>
#include <QStringList>

struct ScreenshotOptions {
    QString file;
    int function = 0;
    QString input = QStringLiteral("simple");
    QString keys;
    // "main", or one of the auxiliary windows and dialogs.
    QString window = QStringLiteral("main");
};

// Reads `--screenshot FILE [--function NAME] [--input MODE] [--keys TEXT]
// [--window NAME]`; false with a message on standard error otherwise.
bool ParseScreenshotOptions(const QStringList& args, ScreenshotOptions* options);

// Renders the window of a first start (the function and input mode chosen,
// the keys typed) into the PNG file; reads and writes no settings.
// Returns the process exit code.
int RenderScreenshot(const ScreenshotOptions& options);

// The names that --window accepts.
QStringList ScreenshotWindows();
