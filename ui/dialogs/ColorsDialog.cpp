// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorsDialog.h"

#include "ColorDialog.h"
#include "ScrollFrame.h"

#include "ui/SimpleKeyboard.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace {

// One key of each style: Standard, Number, Register, Clear.
const KeyOp ColorKeys[4] = {KeyPercent, KeyDigit1, KeyStore, KeyClearFinancial};

QColor ColorOf(const ColorTable& table, int entry)
{
    const RGBColor& c = table.entries[entry];
    return QColor(std::min<int>(c.red, 255), std::min<int>(c.green, 255), std::min<int>(c.blue, 255));
}

} // namespace

ColorsSwatch::ColorsSwatch(QWidget* parent) : QPushButton(parent)
{
    setMinimumSize(40, 24);
}

void ColorsSwatch::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void ColorsSwatch::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter(this).fillRect(rect().adjusted(5, 5, -5, -5), color_);
}

ColorsPane::ColorsPane(QWidget* parent) : QWidget(parent), table_(Colors)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(new QLabel(tr("Text"), this), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Background"), this), 0, 2, Qt::AlignCenter);

    // Of the style names only the four key styles get a row.
    const QString names[6] = {tr("Display:"), tr("Standard:"), tr("Number:"),
                              tr("Register:"), tr("Clear:"), tr("Dialog:")};
    group_ = new QButtonGroup(this);
    for (int row = 1; row <= 4; ++row) {
        grid->addWidget(new QLabel(names[row], this), row, 0);
        for (int column = 1; column <= 2; ++column) {
            const int entry = 2 * row + column - 1;
            swatches_[entry] = new ColorsSwatch(this);
            swatches_[entry]->setObjectName(QString("swatch%1").arg(entry));
            group_->addButton(swatches_[entry], entry);
            grid->addWidget(swatches_[entry], row, column);
        }
    }
    connect(group_, &QButtonGroup::idClicked, this, &ColorsPane::chooseColor);

    preview_ = new SimpleKeyboard(this, 4, ColorKeys, false);
    preview_->setActive(false);
    preview_->setColorTable(&table_);
    grid->addWidget(preview_, 1, 3, 4, 1);

    auto* defaults = new QPushButton(tr("Default"), this);
    defaults->setObjectName("default");
    connect(defaults, &QPushButton::clicked, this, &ColorsPane::defaultColors);
    grid->addWidget(defaults, 5, 0, 1, 4);
}

void ColorsPane::load()
{
    table_ = Colors;
    showSwatches();
    updateDisplay();
}

bool ColorsPane::save()
{
    if (table_ != Colors) {
        Colors = table_;
        ColorsChanged = 1;
    }
    return true;
}

void ColorsPane::chooseColor(int entry)
{
    ColorsSwatch* target = swatch(entry);
    if (!target)
        return;
    ColorDialog dialog(this);
    dialog.setColor(target->getColor());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor color = dialog.getColor();
    table_.setColor(ColorEntry(entry), color.red(), color.green(), color.blue());
    target->setColor(ColorOf(table_, entry));
    updateDisplay();
}

void ColorsPane::defaultColors()
{
    table_.init();
    showSwatches();
    updateDisplay();
}

void ColorsPane::updateDisplay()
{
    preview_->setColorTable(&table_);
    preview_->update();
}

void ColorsPane::showSwatches()
{
    for (int entry = 0; entry < ColorCount; ++entry)
        if (swatches_[entry])
            swatches_[entry]->setColor(ColorOf(table_, entry));
}

ColorsDialog::ColorsDialog(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(name);
    setModal(modal);
    setWindowTitle(tr("Customize Colors"));
    pane_ = new ColorsPane;
    LayOutDialog(this, pane_);
    pane_->load();
}

void ColorsDialog::accept()
{
    pane_->save();
    QDialog::accept();
}
