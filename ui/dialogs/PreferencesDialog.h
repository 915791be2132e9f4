// SPDX-License-Identifier: GPL-3.0-or-later
// The modal "Preferences" dialog: a scrolling PreferencesPane with OK and
// Cancel.  Prefs changes only when the dialog is accepted.
#pragma once

#include <QDialog>

class PreferencesPane;

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                               Qt::WindowFlags flags = {});

    PreferencesPane* pane() const { return pane_; }

public slots:
    void accept() override;

private:
    PreferencesPane* pane_;
};
