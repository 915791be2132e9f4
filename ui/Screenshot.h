// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the calculator's windows into pictures without a screen, for the
// documentation and for a look at the layout.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

struct ScreenshotOptions {
    QString file;
    int function = 0;
    QString input = QStringLiteral("simple");
    QString keys;
    // Keys pressed on the calculator before the window is made, named as
    // tovrin-keys names them ("7 Enter 4 Multiply").
    QString press;
    // "main", or one of the auxiliary windows and dialogs.
    QString window = QStringLiteral("main");
    // The main window's size in pixels, and the device pixel ratio the
    // picture is rendered at (0: the platform's own).
    QSize size = QSize(360, 560);
    bool sizeGiven = false; // --size was given: it sizes a side window too
    double scale = 0;
};

// The options of a picture, as the usage line names them.
extern const char ScreenshotUsage[];

// Readies the platform for a picture when the command line asks for one,
// which must happen before the application object exists: a picture is
// rendered offscreen (unless QT_QPA_PLATFORM names a platform), at the
// device pixel ratio of --scale.  Returns whether a picture was asked for.
bool PrepareScreenshotPlatform(int argc, char** argv);

// Reads `--screenshot FILE [--function NAME] [--input MODE] [--keys TEXT]
// [--press KEYS] [--window NAME] [--size WxH] [--scale F]`; false with a message on
// standard error otherwise.
bool ParseScreenshotOptions(const QStringList& args, ScreenshotOptions* options);

// Renders the window of a first start (with the decimal mark of the user's
// locale, the function and input mode chosen, the keys pressed, then the
// keys typed) into the PNG file; a pressed step that could not be done
// (Undo with nothing to undo) is told in the notice line.  Reads and
// writes no settings.
// Returns the process exit code.
int RenderScreenshot(const ScreenshotOptions& options);

// The names that --window accepts.
QStringList ScreenshotWindows();
