// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutForm.h"

#include "ui/Images.h"
#include "ui/Version.h"

#include <QGridLayout>
#include <QLabel>

namespace {

QLabel* WhiteLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

AboutForm::AboutForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(tr("About Tovrin"));
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette palette = central->palette();
    palette.setColor(QPalette::Window, Qt::white);
    central->setPalette(palette);

    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(5);
    QLabel* logo = WhiteLabel(central);
    logo->setObjectName("logo");
    logo->setPixmap(LoadPixmap("tovrin/logo"));
    grid->addWidget(logo, 0, 0, Qt::AlignCenter);
    QLabel* text = WhiteLabel(central);
    text->setObjectName("text");
    text->setText(tr("Tovrin\n"
                     "Version %1\n"
                     "\n"
                     "A pocket calculator for the desktop.\n"
                     "Copyright \u00a9 The Tovrin developers")
                      .arg(QLatin1String(ProgramVersion)));
    grid->addWidget(text, 1, 0, Qt::AlignCenter);
    setCentralWidget(central);
}
