// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the painted widgets: each key of a keypad is
// an accessible button, named from the key-name table, with a press
// action; a display gives the name of what it shows, the number and its
// label.
#pragma once

class Keyboard;

// Makes the keypads and the displays known to Qt's accessibility; the
// first call does it, later ones nothing.
void InstallAccessibility();

// Tells assistive tools that the focus ring of a keypad moved to another
// key.
void AccessibleFocusMoved(Keyboard* keypad);

// Tells assistive tools that a display shows another value.
class Display;
void AccessibleValueChanged(Display* display);
