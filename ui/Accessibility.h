// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the painted widgets: each key of a keypad is
// an accessible button, named from the key-name table, with a press
// action; a display says what it shows, "X: 1,234.5 ft", as its name and
// as its text.  Helpers tell assistive tools what changed: once a key is
// done, never while painting.
#pragma once

#include <QString>

class Keyboard;
class QAbstractItemView;
class QLabel;
class QWidget;

// Makes the keypads and the displays known to Qt's accessibility; the
// first call does it, later ones nothing.
void InstallAccessibility();

// Tells assistive tools that the focus ring of a keypad moved to another
// key.
void AccessibleFocusMoved(Keyboard* keypad);

// The words a screen reader says for a value shown under a name, such as
// "X: 1,234.5 ft" or "Register 13: error".  The rows of tables and lists
// say their values the same way (as their Qt::AccessibleTextRole).
QString SpokenValue(const QString& name, const QString& value);

// Tells assistive tools that a widget with a text interface (a display)
// now says `now` where it said `before`: its name and its text changed.
void AccessibleTextChanged(QWidget* widget, const QString& before, const QString& now);

// Tells assistive tools that a widget's description changed (the status
// indicators of the main display).
void AccessibleDescriptionChanged(QWidget* widget);

// Tells assistive tools that rows first..last of an item view are new, or
// that the cells of a row now say something else.
void AccessibleRowsInserted(QAbstractItemView* view, int first, int last);
void AccessibleRowChanged(QAbstractItemView* view, int row);

// Makes a label a notification: a screen reader reads it out when it
// appears.  Call before the label is first shown.
void MakeAccessibleNotice(QLabel* label);
