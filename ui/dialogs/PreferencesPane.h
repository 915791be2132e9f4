// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the preferences dialog and their mapping to Prefs.
#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

class PreferencesPane : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesPane(QWidget* parent = nullptr);

    // Sets every control from Prefs.
    void load();
    // Writes the controls the user changed since load() into Prefs, and
    // marks Prefs changed: a setting that keys changed meanwhile (the
    // format, say) stays as they left it unless its control was changed.
    void save();

public slots:
    // One of the radio buttons "Left", "Center", "Right" was clicked: keep
    // the action shown for the previous third and show the new third's.
    void tapSelected(int third);

private:
    QComboBox* addCombo(const char* name, const QStringList& items);
    QCheckBox* addCheck(const char* name, const QString& text);
    // A label that names the control and moves the focus to it.
    QLabel* addLabel(const QString& text, QWidget* buddy);

    QComboBox* format_;
    QComboBox* digits_;
    QRadioButton* thirds_[3];
    QButtonGroup* thirdGroup_;
    QComboBox* tapAction_;
    QComboBox* integer_;
    QComboBox* input_;
    QComboBox* stack_;
    QCheckBox* quickSwitch_;
    QCheckBox* hundredRegisters_;
    QCheckBox* stickyShift_;
    QCheckBox* twoLineDisplay_;
    QCheckBox* commaRadix_;

    // The third whose action the tap-action combo box shows, and the
    // working actions of the left, center and right thirds.
    int selectedThird_ = 0;
    unsigned tapActions_[3] = {0, 0, 0};

    // What the controls showed when loaded.
    struct Shown {
        int format, digits, integer, input, stack;
        unsigned tapActions[3];
        bool switches[5];
    };
    Shown shown() const;
    Shown loaded_{};
};
