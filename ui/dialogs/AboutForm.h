// SPDX-License-Identifier: GPL-3.0-or-later
// The "About Tovrin" window: the logo above the name, version and notice,
// and a Close button.  A dialog of the main window, centred on it, that
// blocks nothing; Esc closes it too.
#pragma once

#include <QDialog>

class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

    // The white area of the logo and the text.
    QWidget* content() const { return m_content; }

private:
    QWidget* m_content;
};
