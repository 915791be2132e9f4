// SPDX-License-Identifier: GPL-3.0-or-later
// The "RPN Stack" window: every level of the stack, highest at the top and
// X at the bottom, with a small keypad of stack keys.
#pragma once

#include "core/KeyOp.h"
#include "ui/Display.h"

#include <QMainWindow>

class QScrollArea;
class SimpleKeyboard;

// One stack level; the display's index is the level.
class RpnStackDisplay : public Display {
    Q_OBJECT
public:
    RpnStackDisplay(QWidget* parent, int level, bool largeFont);
    void updateDisplay() override;
};

class RpnStackPane : public QWidget {
    Q_OBJECT
public:
    RpnStackPane(QWidget* parent, int lines);

    int getLines() const { return lines_; }
    // The label text of a level: "X:", "Y:", "Z:", "T:", then "5:" onwards.
    static QString levelName(int level);

public slots:
    // Repaints every line, and tells a screen reader the lines that
    // changed.
    void updateDisplay();

private:
    int lines_;
};

class RpnStackForm : public QMainWindow {
    Q_OBJECT
public:
    RpnStackForm(QWidget* parent, int lines);

    // Rebuilds the pane when the number of lines changes.
    void setLines(int lines);
    int getLines() const;

    RpnStackPane* pane() const { return pane_; }
    SimpleKeyboard* keyboard() const { return keyboard_; }

public slots:
    void handleButton(KeyOp key);

signals:
    // A key of this window went through the engine; the main window repaints.
    void keyHandled(KeyOp key);

private:
    QScrollArea* view_;
    RpnStackPane* pane_;
    SimpleKeyboard* keyboard_;
};
