// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardDialog.h"

#include "ScrollFrame.h"

#include "core/State.h"
#include "ui/FunctionNames.h"
#include "ui/SimpleKeyboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cstring>

namespace {

constexpr int AssignableFunctions = 6;
constexpr int KeysPerHalf = 12;

KeyOp* Cells(FunctionMap& map) { return &map[0][0]; }
const KeyOp* Cells(const FunctionMap& map) { return &map[0][0]; }

} // namespace

KeyboardPane::KeyboardPane(QWidget* parent) : QWidget(parent)
{
    for (FunctionMap& map : userMaps_)
        std::fill_n(Cells(map), KeysPerHalf, KeyNone);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(5);

    grid->addWidget(new QLabel(tr("User Keys:"), this), 0, 0, 1, 2);
    integer_ = new QCheckBox(tr("Integer"), this);
    integer_->setObjectName("integer");
    grid->addWidget(integer_, 1, 0);
    userShifted_ = new QCheckBox(tr("Shifted"), this);
    userShifted_->setObjectName("userShifted");
    grid->addWidget(userShifted_, 1, 1, Qt::AlignRight);
    connect(userShifted_, &QCheckBox::stateChanged, this, &KeyboardPane::setUserShift);

    user_ = new SimpleKeyboard(this, &userMaps_[0], &userMaps_[1]);
    user_->setObjectName("userKeypad");
    user_->setSticky(true);
    user_->setColorTable(&Colors);
    grid->addWidget(user_, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);

    grid->addWidget(new QLabel(tr("Assignable Keys:"), this), 3, 0, 1, 2);
    function_ = new QComboBox(this);
    function_->setObjectName("function");
    // The functions whose keys can be assigned: all but User.
    for (int function = FunctionStandard; function < FunctionUser; ++function)
        function_->addItem(FunctionName(function));
    connect(function_, &QComboBox::activated, this, &KeyboardPane::setFunction);
    grid->addWidget(function_, 4, 0);
    functionShifted_ = new QCheckBox(tr("Shifted"), this);
    functionShifted_->setObjectName("functionShifted");
    connect(functionShifted_, &QCheckBox::stateChanged, this, &KeyboardPane::setFunctionShift);
    grid->addWidget(functionShifted_, 4, 1, Qt::AlignRight);

    assignable_ = new SimpleKeyboard(this, GetFunctionMap(FunctionStandard, false),
                                     GetFunctionMap(FunctionStandard, true));
    assignable_->setObjectName("assignableKeypad");
    assignable_->setColorTable(&Colors);
    connect(assignable_, &SimpleKeyboard::buttonPressed, this, &KeyboardPane::functionButtonPressed);
    grid->addWidget(assignable_, 5, 0, 1, 2);
    grid->setRowStretch(5, 1);

    auto* clearButton = new QPushButton(tr("Clear"), this);
    clearButton->setObjectName("clear");
    connect(clearButton, &QPushButton::clicked, this, &KeyboardPane::clear);
    grid->addWidget(clearButton, 6, 0);
    auto* copyButton = new QPushButton(tr("Copy"), this);
    copyButton->setObjectName("copy");
    connect(copyButton, &QPushButton::clicked, this, &KeyboardPane::copy);
    grid->addWidget(copyButton, 6, 1);
}

void KeyboardPane::load()
{
    for (int i = 0; i < UserKeyCount; ++i)
        Cells(userMaps_[i / KeysPerHalf])[i % KeysPerHalf] = KeyOp(int(KeyboardTable.keys[i]));
    integer_->setChecked(Prefs.userKeysInteger());
    redrawUserKeypad();
}

bool KeyboardPane::save()
{
    KeyboardTableRecord edited;
    for (int i = 0; i < UserKeyCount; ++i)
        edited.keys[i] = int(Cells(userMaps_[i / KeysPerHalf])[i % KeysPerHalf]);
    if (std::memcmp(&edited, &KeyboardTable, sizeof edited) != 0) {
        KeyboardTable = edited;
        KeyboardChanged = 1;
    }
    if (integer_->isChecked() != Prefs.userKeysInteger()) {
        Prefs.setUserKeysInteger(integer_->isChecked());
        PrefsChanged = 1;
    }
    return true;
}

void KeyboardPane::functionButtonPressed(KeyOp code)
{
    const int row = user_->getHighlightedRow();
    const int col = user_->getHighlightedCol();
    if (row < 1 || row > 2 || col < 1 || col > 6)
        return;
    userMaps_[user_->getShifted()][row - 1][col - 1] = code;
    redrawUserKeypad();
}

void KeyboardPane::setUserShift(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    user_->setShifted(state == Qt::Checked);
    user_->update();
}

void KeyboardPane::setFunctionShift(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    assignable_->setShifted(state == Qt::Checked);
    assignable_->update();
}

void KeyboardPane::setFunction(int function)
{
    if (function < 0 || function >= AssignableFunctions)
        return;
    function_->setCurrentIndex(function);
    assignable_->setFunctionMap(GetFunctionMap(function, false), GetFunctionMap(function, true));
    assignable_->update();
}

void KeyboardPane::clear()
{
    std::fill_n(Cells(userMaps_[userShifted_->isChecked()]), KeysPerHalf, KeyNone);
    redrawUserKeypad();
}

void KeyboardPane::copy()
{
    const FunctionMap* source = GetFunctionMap(function_->currentIndex(), functionShifted_->isChecked());
    if (!source)
        return;
    std::copy_n(Cells(*source), KeysPerHalf, Cells(userMaps_[userShifted_->isChecked()]));
    redrawUserKeypad();
}

void KeyboardPane::redrawUserKeypad()
{
    user_->rebuildBitmaps();
    user_->update();
}

KeyboardDialog::KeyboardDialog(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(name);
    setModal(modal);
    setWindowTitle(tr("Customize Keyboard"));
    pane_ = new KeyboardPane;
    LayOutDialog(this, pane_);
    pane_->load();
}

void KeyboardDialog::accept()
{
    pane_->save();
    QDialog::accept();
}
