// SPDX-License-Identifier: GPL-3.0-or-later
// The "User Registers" window: the user registers ten at a time, picked
// with the pen to complete a pending store, recall or exchange, with a
// small keypad of register keys and a tool bar of the ten groups.
#pragma once

#include "core/KeyOp.h"
#include "ui/Display.h"

#include <QMainWindow>

class QAction;
class QActionGroup;
class QToolBar;
class SimpleKeyboard;

// One user register; the display's index is the register number.
class UserRegistersDisplay : public Display {
    Q_OBJECT
public:
    UserRegistersDisplay(QWidget* parent, int reg);
    void updateDisplay() override;
    QString shownName() const override;
    void shownValue(QString& number, QString& label) const override;
    // Lines light up under the pen only while a tap can complete an
    // operation, that is while a register prefix is pending.
    bool getAutoHighlight() const override;
};

class UserRegistersPane : public QWidget {
    Q_OBJECT
public:
    UserRegistersPane(QWidget* parent, int group, int rows = 10);

    void setGroup(int group);
    int getGroup() const { return group_; }
    void setShowAll(bool) {}
    // The display of a row digit (0..9).
    UserRegistersDisplay* line(int digit) const { return lines_[digit]; }

public slots:
    // Repaints every line, and tells a screen reader the lines that
    // changed.
    void updateDisplay();
    void handleDisplayTap(int reg, int x, int width);

signals:
    void registerSelected(int reg);

private:
    int group_;
    UserRegistersDisplay* lines_[10] = {};
};

class UserRegistersForm : public QMainWindow {
    Q_OBJECT
public:
    UserRegistersForm(QWidget* parent, bool doubleRegs, bool autoDismiss);

    void setDoubleRegs(bool on);
    bool getDoubleRegs() const { return doubleRegs_; }
    void setAutoDismiss(bool on) { autoDismiss_ = on; }
    bool getAutoDismiss() const { return autoDismiss_; }

    UserRegistersPane* pane() const { return pane_; }
    SimpleKeyboard* keyboard() const { return keyboard_; }
    QAction* groupAction(int group) const { return groupActions_[group]; }

public slots:
    void setGroup(int group);
    void setGroup(QAction* action);
    void handleButton(KeyOp key);
    void handleRegister(int reg);
    void initQuickSwitch();

signals:
    // A key of this window went through the engine; the main window repaints.
    void keyHandled(KeyOp key);

protected:
    // Passes one key to the engine.
    virtual void sendKey(KeyOp key);

private:
    bool doubleRegs_ = false;
    bool autoDismiss_ = false;
    QToolBar* groupBar_ = nullptr;
    QActionGroup* groups_ = nullptr;
    QAction* groupActions_[10] = {};
    UserRegistersPane* pane_;
    SimpleKeyboard* keyboard_;
};
