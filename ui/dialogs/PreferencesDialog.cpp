// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesDialog.h"

#include "PreferencesPane.h"
#include "ScrollFrame.h"

PreferencesDialog::PreferencesDialog(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(name);
    setModal(modal);
    setWindowTitle(tr("Preferences"));
    pane_ = new PreferencesPane;
    LayOutDialog(this, pane_);
    pane_->load();
}

void PreferencesDialog::accept()
{
    pane_->save();
    QDialog::accept();
}
