// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place across runs: taken from the window at exit,
// given back at the next start, and brought back onto a screen when it no
// longer lies on one (a monitor was removed).
#pragma once

#include "storage/WindowPlace.h"

#include <QList>
#include <QRect>

class CalculatorForm;

// The window's size and position (its normal ones while maximized),
// whether it stays on top, and which side windows are open.
WindowPlace TakeWindowPlace(const CalculatorForm& window);

// Takes the window's place at once, and again when the application is
// asked to quit: before Qt closes the windows, so that the side windows
// open then count as open.  Returns the place taken last.
class QuitPlace {
public:
    explicit QuitPlace(const CalculatorForm& window);
    ~QuitPlace();
    QuitPlace(const QuitPlace&) = delete;
    QuitPlace& operator=(const QuitPlace&) = delete;

    WindowPlace place() const;

private:
    class Watcher;
    Watcher* watcher_;
};

// Gives the window, before it is shown, the size and position of `place`,
// moved onto one of `screens` when need be, its staying on top, and the
// places its side windows are to open at.
void GiveWindowPlace(CalculatorForm* window, const WindowPlace& place, const QList<QRect>& screens);

// Opens the side windows of `place`, once the window is shown.
void ReopenSideWindows(CalculatorForm* window, const WindowPlace& place);

// `window` as it is when enough of its top edge lies on one of `screens`
// to grab it; else moved to the middle of the first screen, and made no
// larger than it.
QRect PlaceOnScreen(const QRect& window, const QList<QRect>& screens);

// The area that windows may take on each screen, the primary screen first.
QList<QRect> AvailableScreens();
