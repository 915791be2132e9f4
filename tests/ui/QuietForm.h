// SPDX-License-Identifier: GPL-3.0-or-later
// A main window for widget tests: its message boxes answer at once, and
// keys named as tovrin-keys names them are pressed on it.
#pragma once

#include "engine/KeyScript.h"
#include "ui/CalculatorForm.h"

#include <QtTest>

class QuietForm : public CalculatorForm {
public:
    // Presses the keys of a script ("12 N 6 Interest") as the keypad does.
    void press(const char* script)
    {
        std::vector<KeyAction> actions;
        std::string bad;
        QVERIFY2(ReadKeyScript(script, actions, bad), bad.c_str());
        for (const KeyAction& action : actions)
            handleButton(KeyOp(action.value));
    }

protected:
    int runMessageBox(QMessageBox::Icon, const QString&, const QString&, const QStringList&, int, int) override
    {
        return 0;
    }
};
