// SPDX-License-Identifier: GPL-3.0-or-later
// Qt built for X11 declares Xlib's connection type as a global `Display`
// in <QGuiApplication>, which would clash with the calculator's Display
// widget.  Reading that header once here under another name keeps the
// global name free; the header's include guard keeps it from being read
// again.  Every file that sees the widget has this header read first (the
// build force-includes it).
#pragma once

#define Display XlibDisplay
#include <QtGui/qguiapplication.h>
#undef Display
