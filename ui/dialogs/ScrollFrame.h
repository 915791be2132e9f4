// SPDX-License-Identifier: GPL-3.0-or-later
// Shared frame of the dialogs and auxiliary windows: a frameless scroll view
// that holds a pane, so the pane keeps its natural size on a large screen
// and scrolls on a small one.
#pragma once

class QDialog;
class QScrollArea;
class QWidget;

// A frameless scroll view around `pane` that resizes the pane with itself,
// scrolls sideways only when the pane cannot shrink to fit, and asks for the pane's natural size.
QScrollArea* MakeScrollView(QWidget* pane, QWidget* parent);

// Lays out `dialog` as its scroll view over `pane`, then OK and Cancel
// buttons wired to accept() and reject().
QScrollArea* LayOutDialog(QDialog* dialog, QWidget* pane);
