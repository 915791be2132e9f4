// SPDX-License-Identifier: GPL-3.0-or-later
// The "Preferences" dialog: a scrolling PreferencesPane with OK and Cancel,
// a window beside the calculator that blocks nothing.  Prefs changes only
// when the dialog is accepted, and then only in the settings the user
// changed.
#pragma once

#include <QDialog>

class PreferencesPane;

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                               Qt::WindowFlags flags = {});

    PreferencesPane* pane() const { return pane_; }

public slots:
    void accept() override;

private:
    PreferencesPane* pane_;
};
