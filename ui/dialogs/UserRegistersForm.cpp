// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserRegistersForm.h"

#include "ScrollFrame.h"

#include "core/State.h"
#include "engine/Calculator.h"
#include "ui/Images.h"
#include "ui/SimpleKeyboard.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const KeyOp UserRegKeys[4] = {KeyStore, KeyRecall, KeyExchangeRegister, KeySwapXY};
constexpr int GroupCount = 10;

} // namespace

UserRegistersDisplay::UserRegistersDisplay(QWidget* parent, int reg) : Display(parent, reg)
{
    setLineFontSize(16);
}

void UserRegistersDisplay::updateDisplay()
{
    // The radix mark of the preferences, as on the main display.
    setCommaRadix(Prefs.commaRadix());
    displayUserReg(rect(), getIndex());
}

QString UserRegistersDisplay::shownName() const
{
    return tr("Register %1").arg(getIndex());
}

void UserRegistersDisplay::shownValue(QString& number, QString& label) const
{
    const int reg = std::clamp(getIndex(), 0, UserRegisterCount - 1);
    valueTexts(Regs.registers[reg], Regs.registerLabel[reg], false, NoLabelIndex, number, label);
}

bool UserRegistersDisplay::getAutoHighlight() const
{
    return UnPrefs.registerPrefix != KeyNone;
}

UserRegistersPane::UserRegistersPane(QWidget* parent, int group, int rows)
    : QWidget(parent), group_(std::clamp(group, 0, GroupCount - 1))
{
    rows = std::clamp(rows, 1, 10);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(2);
    grid->setColumnStretch(1, 1);
    for (int digit = rows - 1, row = 0; digit >= 0; --digit, ++row) {
        auto* label = new QLabel(QString("%1:").arg(digit), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        lines_[digit] = new UserRegistersDisplay(this, group_ * 10 + digit);
        connect(lines_[digit], &Display::displayTapped, this, &UserRegistersPane::handleDisplayTap);
        grid->addWidget(lines_[digit], row, 1);
    }
}

void UserRegistersPane::setGroup(int group)
{
    group_ = std::clamp(group, 0, GroupCount - 1);
    for (int digit = 0; digit < 10; ++digit)
        if (lines_[digit])
            lines_[digit]->setIndex(group_ * 10 + digit);
    updateDisplay();
}

void UserRegistersPane::updateDisplay()
{
    for (UserRegistersDisplay* line : lines_) {
        if (line) {
            line->update();
            line->announce();
        }
    }
}

void UserRegistersPane::handleDisplayTap(int reg, int, int)
{
    emit registerSelected(reg);
    if (UserRegistersDisplay* tapped = lines_[reg % 10])
        tapped->update();
}

UserRegistersForm::UserRegistersForm(QWidget* parent, bool doubleRegs, bool autoDismiss) : QMainWindow(parent)
{
    setWindowTitle(tr("User Registers"));
    initQuickSwitch();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    pane_ = new UserRegistersPane(nullptr, UnPrefs.registerGroup(), 10);
    connect(pane_, &UserRegistersPane::registerSelected, this, &UserRegistersForm::handleRegister);
    layout->addWidget(MakeScrollView(pane_, central), 1);
    keyboard_ = new SimpleKeyboard(central, 4, UserRegKeys, true);
    keyboard_->setColorTable(&Colors);
    connect(keyboard_, &SimpleKeyboard::buttonPressed, this, &UserRegistersForm::handleButton);
    layout->addWidget(keyboard_);
    setCentralWidget(central);

    setDoubleRegs(doubleRegs);
    setAutoDismiss(autoDismiss);
}

void UserRegistersForm::initQuickSwitch()
{
    if (groupBar_)
        return;
    groupBar_ = new QToolBar(this);
    groupBar_->setMovable(false);
    groups_ = new QActionGroup(this);
    groups_->setExclusive(true);
    for (int group = 0; group < GroupCount; ++group) {
        QAction* action = new QAction(LoadPixmap(QString("tovrin/userreg_%1").arg(group)),
                                      tr("Group %1").arg(group), groups_);
        action->setCheckable(true);
        groupActions_[group] = action;
    }
    const unsigned current = UnPrefs.registerGroup();
    groupActions_[current < unsigned(GroupCount) ? current : 0]->setChecked(true);
    groupBar_->addActions(groups_->actions());
    connect(groups_, &QActionGroup::triggered, this, qOverload<QAction*>(&UserRegistersForm::setGroup));
    addToolBar(groupBar_);
}

void UserRegistersForm::setGroup(QAction* action)
{
    for (int group = 0; group < GroupCount; ++group)
        if (groupActions_[group] == action)
            setGroup(group);
}

void UserRegistersForm::setGroup(int group)
{
    if (group < 0 || group >= GroupCount)
        return;
    UnPrefs.setRegisterGroup(group);
    groupActions_[group]->setChecked(true);
    pane_->setGroup(group);
}

void UserRegistersForm::setDoubleRegs(bool on)
{
    doubleRegs_ = on;
    for (int group = 2; group < GroupCount; ++group)
        groupActions_[group]->setEnabled(on);
    // Without "100 Registers" only registers 0..19 can be addressed.
    if (!on && pane_->getGroup() > 1)
        setGroup(1);
}

void UserRegistersForm::handleRegister(int reg)
{
    if (UnPrefs.registerPrefix == KeyNone || reg < 0 || reg >= UserRegisterCount)
        return;
    // Without "100 Registers" the keys reach only registers 0..19; a line of
    // a higher group (left over from before the switch) must not store
    // into the register of the same digits in group 1.
    if (!Prefs.hundredRegisters() && reg >= 20)
        return;
    if (Prefs.hundredRegisters()) {
        sendKey(KeyOp(reg / 10 % 10));
    } else if (UnPrefs.registerGroup() != 0) {
        sendKey(KeyPoint);
    }
    sendKey(KeyOp(reg % 10));
    pane_->updateDisplay();
    emit keyHandled(KeyOp(reg % 10));
    if (autoDismiss_)
        close();
}

void UserRegistersForm::handleButton(KeyOp key)
{
    sendKey(key);
    // The keypad follows a shift key, and a shift that the key used up.
    if (key == KeyShift || AfterKey(key)) {
        keyboard_->highlightButton(0, 0);
        keyboard_->setShifted(UnPrefs.shift());
        keyboard_->update();
    }
    pane_->updateDisplay();
    autoDismiss_ = false;
    emit keyHandled(key);
}

void UserRegistersForm::sendKey(KeyOp key)
{
    HandleButton(key);
}
