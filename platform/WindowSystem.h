// SPDX-License-Identifier: GPL-3.0-or-later
// What the window system can do for the calculator's windows.
#pragma once

// Whether the window system keeps a window above the others when asked
// (Qt::WindowStaysOnTopHint): an X11 window manager that says it supports
// the "above" state.  Wayland compositors give applications no such
// request, and without a window manager nothing keeps a window above.
bool CanKeepWindowsOnTop();
