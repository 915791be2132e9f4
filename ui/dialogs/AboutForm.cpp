// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutForm.h"

#include "ui/Images.h"
#include "ui/Version.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

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

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Tovrin"));
    m_content = new QWidget(this);
    m_content->setAutoFillBackground(true);
    QPalette palette = m_content->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_content->setPalette(palette);

    auto* grid = new QGridLayout(m_content);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(5);
    QLabel* logo = WhiteLabel(m_content);
    logo->setObjectName("logo");
    logo->setPixmap(LoadPixmap("tovrin/logo"));
    grid->addWidget(logo, 0, 0, Qt::AlignCenter);
    QLabel* text = WhiteLabel(m_content);
    text->setObjectName("text");
    text->setText(tr("Tovrin\n"
                     "Version %1\n"
                     "\n"
                     "A pocket calculator for the desktop.\n"
                     "Copyright \u00a9 The Tovrin developers")
                      .arg(QLatin1String(ProgramVersion)));
    grid->addWidget(text, 1, 0, Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_content, 1);
    layout->addWidget(buttons);
}
