// SPDX-License-Identifier: GPL-3.0-or-later
// The "About Tovrin" window: the logo above the name, version and notice.
#pragma once

#include <QMainWindow>

class AboutForm : public QMainWindow {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);
};
