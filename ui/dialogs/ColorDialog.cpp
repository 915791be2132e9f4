// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorDialog.h"

#include "ScrollFrame.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedHeight(40);
    setMinimumWidth(40);
}

void ColorSwatch::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(contentsRect(), color_);
    QFrame::paintEvent(event);
}

ColorDialog::ColorDialog(QWidget* parent, const char* name) : QDialog(parent)
{
    if (name)
        setObjectName(name);
    setModal(true);
    setWindowTitle(tr("Color Chooser"));

    auto* pane = new QWidget;
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(5);
    oldSwatch_ = new ColorSwatch(pane);
    oldSwatch_->setObjectName("oldColor");
    newSwatch_ = new ColorSwatch(pane);
    newSwatch_->setObjectName("newColor");
    grid->addWidget(oldSwatch_, 0, 1);
    grid->addWidget(newSwatch_, 0, 2);

    const QString labels[3] = {tr("Red:"), tr("Green:"), tr("Blue:")};
    const char* names[3] = {"red", "green", "blue"};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(labels[i], pane), i + 1, 0);
        sliders_[i] = new QSlider(Qt::Horizontal, pane);
        sliders_[i]->setObjectName(names[i]);
        sliders_[i]->setRange(0, 255);
        sliders_[i]->setPageStep(17);
        grid->addWidget(sliders_[i], i + 1, 1, 1, 2);
        values_[i] = new QLabel(pane);
        values_[i]->setObjectName(QString(names[i]) + "Value");
        grid->addWidget(values_[i], i + 1, 3);
    }
    values_[1]->setMinimumWidth(30);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    connect(sliders_[0], &QSlider::valueChanged, this, &ColorDialog::setRed);
    connect(sliders_[1], &QSlider::valueChanged, this, &ColorDialog::setGreen);
    connect(sliders_[2], &QSlider::valueChanged, this, &ColorDialog::setBlue);

    LayOutDialog(this, pane);
    setColor(Qt::black);
}

void ColorDialog::setColor(const QColor& color)
{
    color_ = color;
    oldSwatch_->setColor(color);
    newSwatch_->setColor(color);
    const int components[3] = {color.red(), color.green(), color.blue()};
    for (int i = 0; i < 3; ++i) {
        QSignalBlocker block(sliders_[i]);
        sliders_[i]->setValue(components[i]);
        showComponent(i, components[i]);
    }
}

void ColorDialog::setRed(int red)
{
    color_.setRed(red);
    showComponent(0, red);
}

void ColorDialog::setGreen(int green)
{
    color_.setGreen(green);
    showComponent(1, green);
}

void ColorDialog::setBlue(int blue)
{
    color_.setBlue(blue);
    showComponent(2, blue);
}

void ColorDialog::showComponent(int index, int value)
{
    newSwatch_->setColor(color_);
    values_[index]->setText(QString("  %1").arg(value));
}
