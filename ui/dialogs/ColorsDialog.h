// SPDX-License-Identifier: GPL-3.0-or-later
// The "Customize Colors" dialog: a text and a background swatch for each
// key style, a preview keypad, and "Default".  Colors changes only when the
// dialog is accepted and the edited table differs from it.
#pragma once

#include "core/State.h"

#include <QDialog>
#include <QPushButton>

class QButtonGroup;
class SimpleKeyboard;

// A push button showing one colour inside its bevel.
class ColorsSwatch : public QPushButton {
    Q_OBJECT
public:
    explicit ColorsSwatch(QWidget* parent = nullptr);
    void setColor(const QColor& color);
    QColor getColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

class ColorsPane : public QWidget {
    Q_OBJECT
public:
    explicit ColorsPane(QWidget* parent = nullptr);

    // Copies Colors into the working table and the swatches.
    void load();
    // Copies a changed working table into Colors and marks it changed.
    bool save();

    const ColorTable& workingTable() const { return table_; }
    ColorsSwatch* swatch(int entry) const { return entry >= 0 && entry < ColorCount ? swatches_[entry] : nullptr; }
    SimpleKeyboard* preview() const { return preview_; }

public slots:
    // Opens the colour chooser on one entry of the working table.
    void chooseColor(int entry);
    void defaultColors();
    // Gives the working table to the preview keypad and repaints it.
    void updateDisplay();

private:
    void showSwatches();

    ColorTable table_;
    ColorsSwatch* swatches_[ColorCount] = {};
    QButtonGroup* group_;
    SimpleKeyboard* preview_;
};

class ColorsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColorsDialog(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                          Qt::WindowFlags flags = {});

    ColorsPane* pane() const { return pane_; }

public slots:
    void accept() override;

private:
    ColorsPane* pane_;
};
