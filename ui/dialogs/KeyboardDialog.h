// SPDX-License-Identifier: GPL-3.0-or-later
// The "Customize Keyboard" dialog: the user picks a cell of the User rows,
// then taps a key of another function to place it there.  KeyboardTable
// and the integer flag change only when the dialog is accepted.
#pragma once

#include "core/KeyMaps.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class SimpleKeyboard;

class KeyboardPane : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardPane(QWidget* parent = nullptr);

    // Copies KeyboardTable and the integer flag into the controls.
    void load();
    // Copies what changed back and marks it changed.
    bool save();

    SimpleKeyboard* userKeypad() const { return user_; }
    SimpleKeyboard* assignableKeypad() const { return assignable_; }
    // The working code of a user cell (row and column from 1).
    KeyOp userKey(bool shifted, int row, int col) const { return userMaps_[shifted][row - 1][col - 1]; }

public slots:
    void functionButtonPressed(KeyOp code);
    void setUserShift(int state);
    void setFunctionShift(int state);
    void setFunction(int function);
    void clear();
    void copy();

private:
    void redrawUserKeypad();

    // The working user rows: normal, then shifted.
    FunctionMap userMaps_[2];
    SimpleKeyboard* user_;
    SimpleKeyboard* assignable_;
    QComboBox* function_;
    QCheckBox* integer_;
    QCheckBox* userShifted_;
    QCheckBox* functionShifted_;
};

class KeyboardDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardDialog(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                            Qt::WindowFlags flags = {});

    KeyboardPane* pane() const { return pane_; }

public slots:
    void accept() override;

private:
    KeyboardPane* pane_;
};
