// SPDX-License-Identifier: GPL-3.0-or-later
#include "RpnStackForm.h"

#include "ScrollFrame.h"

#include "core/State.h"
#include "engine/Calculator.h"
#include "ui/SimpleKeyboard.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const KeyOp StackKeys[4] = {KeyRollDown, KeyRollUp, KeyDrop, KeySwapXY};
const char* const RegisterLabels[4] = {"X", "Y", "Z", "T"};

// More lines than this get the smaller font.
constexpr int LargeFontLines = 8;

} // namespace

RpnStackDisplay::RpnStackDisplay(QWidget* parent, int level, bool largeFont) : Display(parent, level)
{
    // Long stacks get smaller lines.
    setLineFontSize(largeFont ? numberFont().pointSize() : 16);
    setAccessibleName(RpnStackPane::levelName(level).chopped(1));
}

void RpnStackDisplay::updateDisplay()
{
    // The radix mark of the preferences, as on the main display: with the
    // comma radix 1,5 must not read as one thousand five here.
    setCommaRadix(Prefs.commaRadix());
    displayReg(rect(), getIndex());
}

RpnStackPane::RpnStackPane(QWidget* parent, int lines)
    : QWidget(parent), lines_(std::clamp(lines, 1, int(StackLevels)))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(2);
    grid->setColumnStretch(1, 1);
    const bool largeFont = lines_ <= LargeFontLines;
    for (int level = lines_ - 1, row = 0; level >= 0; --level, ++row) {
        auto* label = new QLabel(levelName(level), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(new RpnStackDisplay(this, level, largeFont), row, 1);
    }
}

QString RpnStackPane::levelName(int level)
{
    if (level >= 0 && level < 4)
        return QString("%1:").arg(RegisterLabels[level]);
    return QString("%1:").arg(level + 1);
}

void RpnStackPane::updateDisplay()
{
    for (RpnStackDisplay* line : findChildren<RpnStackDisplay*>()) {
        line->update();
        line->announce();
    }
}

RpnStackForm::RpnStackForm(QWidget* parent, int lines) : QMainWindow(parent)
{
    setWindowTitle(tr("RPN Stack"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    pane_ = new RpnStackPane(nullptr, lines);
    view_ = MakeScrollView(pane_, central);
    layout->addWidget(view_, 1);
    keyboard_ = new SimpleKeyboard(central, 4, StackKeys, true);
    keyboard_->setColorTable(&Colors);
    layout->addWidget(keyboard_);
    connect(keyboard_, &SimpleKeyboard::buttonPressed, this, &RpnStackForm::handleButton);
    setCentralWidget(central);
}

int RpnStackForm::getLines() const
{
    return pane_->getLines();
}

void RpnStackForm::setLines(int lines)
{
    if (lines == pane_->getLines())
        return;
    delete view_->takeWidget();
    pane_ = new RpnStackPane(nullptr, lines);
    view_->setWidget(pane_);
    view_->updateGeometry();
}

void RpnStackForm::handleButton(KeyOp key)
{
    HandleButton(key);
    // The keypad follows a shift key, and a shift that the key used up.
    if (key == KeyShift || AfterKey(key)) {
        keyboard_->highlightButton(0, 0);
        keyboard_->setShifted(UnPrefs.shift());
        keyboard_->update();
    }
    pane_->updateDisplay();
    emit keyHandled(key);
}
