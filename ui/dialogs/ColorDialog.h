// SPDX-License-Identifier: GPL-3.0-or-later
// The modal "Color Chooser": red, green and blue sliders with the colour the
// dialog was opened with beside the colour being made.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFrame>

class QLabel;
class QSlider;

// A plain area filled with one colour.
class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    void setColor(const QColor& color);
    QColor getColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

class ColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColorDialog(QWidget* parent = nullptr, const char* name = nullptr);

    // Sets the edited colour, both swatches and the sliders.
    void setColor(const QColor& color);
    QColor getColor() const { return color_; }

public slots:
    void setRed(int red);
    void setGreen(int green);
    void setBlue(int blue);

private:
    void showComponent(int index, int value);

    QColor color_;
    ColorSwatch* oldSwatch_;
    ColorSwatch* newSwatch_;
    QSlider* sliders_[3];
    QLabel* values_[3];
};
