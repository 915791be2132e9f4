// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesPane.h"

#include "core/State.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

namespace {

// The format combo box lists General, Fixed, Scientific, Engineering; Prefs
// numbers them General 0, Scientific 1, Engineering 2, Fixed 3.
constexpr unsigned FormatOfItem[4] = {FormatGeneral, FormatFixed, FormatScientific, FormatEngineering};
constexpr int ItemOfFormat[4] = {0, 2, 3, 1};

// The tap-action combo box lists "Nothing" first, then the windows in the
// order of their stored values.
constexpr int TapActionCount = 7;
unsigned ActionOfItem(int item)
{
    return item <= 0 ? unsigned(TapNothing) : unsigned(item - 1);
}
int ItemOfAction(unsigned action)
{
    // Values beyond the list come only from a damaged file and open the
    // Preferences.
    return action == TapNothing ? 0 : action < TapNothing ? int(action) + 1 : 1;
}

constexpr int IntegerSizeCount = 6;
constexpr int StackSizeCount = 5;

// A stored value as a combo box item; values the combo box cannot show
// (only a damaged settings file holds them) show as the first item.
int ItemOf(unsigned value, int count)
{
    return value < unsigned(count) ? int(value) : 0;
}

} // namespace

PreferencesPane::PreferencesPane(QWidget* parent) : QWidget(parent)
{
    setObjectName("PreferencesPane");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(5);

    format_ = addCombo("format", {tr("General"), tr("Fixed"), tr("Scientific"), tr("Engineering")});
    QStringList digits{tr("All")};
    for (int n = 0; n <= 12; ++n)
        digits << QString::number(n);
    digits_ = addCombo("digits", digits);

    thirdGroup_ = new QButtonGroup(this);
    const char* thirdNames[3] = {"left", "center", "right"};
    const QString thirdTexts[3] = {tr("&Left"), tr("&Center"), tr("&Right")};
    for (int third = 0; third < 3; ++third) {
        thirds_[third] = new QRadioButton(thirdTexts[third], this);
        thirds_[third]->setObjectName(thirdNames[third]);
        thirdGroup_->addButton(thirds_[third], third);
    }
    connect(thirdGroup_, &QButtonGroup::idClicked, this, &PreferencesPane::tapSelected);
    tapAction_ = addCombo("tapAction", {tr("Nothing"), tr("Preferences"), tr("Colors"), tr("Keyboard"),
                                        tr("RPN Stack"), tr("User Registers"), tr("Tape")});
    integer_ = addCombo("integer", {tr("8-bit unsigned"), tr("8-bit signed"), tr("16-bit unsigned"),
                                    tr("16-bit signed"), tr("32-bit unsigned"), tr("32-bit signed")});
    input_ = addCombo("input", {tr("Simple"), tr("Precedence"), tr("RPN")});
    stack_ = addCombo("stack", {tr("4"), tr("8"), tr("12"), tr("16"), tr("20")});

    quickSwitch_ = addCheck("quickSwitch", tr("&Quick Switch"));
    hundredRegisters_ = addCheck("hundredRegisters", tr("100 Re&gisters"));
    stickyShift_ = addCheck("stickyShift", tr("Stic&ky Shift"));
    twoLineDisplay_ = addCheck("twoLineDisplay", tr("&2-line Display"));
    commaRadix_ = addCheck("commaRadix", tr("Co&mma Radix"));

    // Every control has a label as its buddy, which names it for a screen
    // reader and gives it a mnemonic, unique in the dialog.
    grid->addWidget(addLabel(tr("&Format:"), format_), 0, 0);
    grid->addWidget(format_, 0, 1, 1, 3);
    grid->addWidget(addLabel(tr("&Digits:"), digits_), 1, 0);
    grid->addWidget(digits_, 1, 1, 1, 3);
    grid->addWidget(addLabel(tr("Dis&play:"), thirds_[0]), 2, 0);
    for (int third = 0; third < 3; ++third)
        grid->addWidget(thirds_[third], 2, third + 1);
    //: What a tap on the chosen third of the display opens.
    grid->addWidget(addLabel(tr("&Opens:"), tapAction_), 3, 0);
    grid->addWidget(tapAction_, 3, 1, 1, 3);
    grid->addWidget(addLabel(tr("&Integer:"), integer_), 4, 0);
    grid->addWidget(integer_, 4, 1, 1, 3);
    grid->addWidget(addLabel(tr("I&nput:"), input_), 5, 0);
    grid->addWidget(input_, 5, 1, 1, 3);
    grid->addWidget(addLabel(tr("&Stack:"), stack_), 6, 0);
    grid->addWidget(stack_, 6, 1, 1, 3);
    grid->addWidget(quickSwitch_, 7, 0, 1, 2);
    grid->addWidget(hundredRegisters_, 7, 2, 1, 2);
    grid->addWidget(stickyShift_, 8, 0, 1, 2);
    grid->addWidget(twoLineDisplay_, 8, 2, 1, 2);
    grid->addWidget(commaRadix_, 9, 0, 1, 2);
    grid->setRowStretch(10, 1);
}

QComboBox* PreferencesPane::addCombo(const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->addItems(items);
    return combo;
}

QLabel* PreferencesPane::addLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, this);
    label->setBuddy(buddy);
    return label;
}

QCheckBox* PreferencesPane::addCheck(const char* name, const QString& text)
{
    auto* check = new QCheckBox(text, this);
    check->setObjectName(name);
    return check;
}

void PreferencesPane::load()
{
    format_->setCurrentIndex(ItemOfFormat[Prefs.displayFormat() & 3]);
    digits_->setCurrentIndex(ItemOf(Prefs.digits(), digits_->count()));

    tapActions_[0] = Prefs.leftTapAction();
    tapActions_[1] = Prefs.centerTapAction();
    tapActions_[2] = Prefs.rightTapAction();
    selectedThird_ = 0;
    thirds_[0]->setChecked(true);
    tapAction_->setCurrentIndex(ItemOfAction(tapActions_[0]));

    integer_->setCurrentIndex(ItemOf(Prefs.integerSize(), IntegerSizeCount));
    input_->setCurrentIndex(Prefs.rpnInput() ? 2 : Prefs.precedenceInput() ? 1 : 0);
    stack_->setCurrentIndex(std::clamp(int(Prefs.stackSize) / 4 - 1, 0, StackSizeCount - 1));

    quickSwitch_->setChecked(Prefs.quickSwitch());
    hundredRegisters_->setChecked(Prefs.hundredRegisters());
    stickyShift_->setChecked(Prefs.stickyShift());
    twoLineDisplay_->setChecked(Prefs.twoLineDisplay());
    commaRadix_->setChecked(Prefs.commaRadix());

    // The stored values as items; a value no item shows (only a damaged
    // file holds one) counts as changed, so that OK puts the shown item in
    // its place.
    auto stored = [](unsigned value, int count) { return value < unsigned(count) ? int(value) : -1; };
    const unsigned stack = Prefs.stackSize;
    loaded_ = shown();
    loaded_.digits = stored(Prefs.digits(), digits_->count());
    loaded_.integer = stored(Prefs.integerSize(), IntegerSizeCount);
    loaded_.stack = stack % 4 == 0 ? stored(stack / 4 - 1, StackSizeCount) : -1;
    for (int third = 0; third < 3; ++third)
        loaded_.tapActions[third] = tapActions_[third];
}

PreferencesPane::Shown PreferencesPane::shown() const
{
    Shown now{format_->currentIndex(),
              digits_->currentIndex(),
              integer_->currentIndex(),
              input_->currentIndex(),
              stack_->currentIndex(),
              {tapActions_[0], tapActions_[1], tapActions_[2]},
              {quickSwitch_->isChecked(), hundredRegisters_->isChecked(), stickyShift_->isChecked(),
               twoLineDisplay_->isChecked(), commaRadix_->isChecked()}};
    if (selectedThird_ >= 0 && selectedThird_ < 3)
        now.tapActions[selectedThird_] = ActionOfItem(tapAction_->currentIndex());
    return now;
}

void PreferencesPane::tapSelected(int third)
{
    if (selectedThird_ >= 0 && selectedThird_ < 3)
        tapActions_[selectedThird_] = ActionOfItem(tapAction_->currentIndex());
    if (third >= 0 && third < 3)
        tapAction_->setCurrentIndex(ItemOfAction(tapActions_[third]));
    selectedThird_ = third;
}

void PreferencesPane::save()
{
    const Shown now = shown();
    const Shown& was = loaded_;
    if (now.format != was.format)
        Prefs.setDisplayFormat(FormatOfItem[std::max(now.format, 0)]);
    if (now.digits != was.digits)
        Prefs.setDigits(unsigned(std::max(now.digits, 0)));

    void (PrefsRecord::*const setTapAction[3])(unsigned) = {
        &PrefsRecord::setLeftTapAction, &PrefsRecord::setCenterTapAction, &PrefsRecord::setRightTapAction};
    for (int third = 0; third < 3; ++third)
        if (now.tapActions[third] != was.tapActions[third])
            (Prefs.*setTapAction[third])(now.tapActions[third]);

    if (now.integer != was.integer)
        Prefs.setIntegerSize(unsigned(std::max(now.integer, 0)));
    if (now.input != was.input) {
        Prefs.setRpnInput(now.input == 2);
        Prefs.setPrecedenceInput(now.input == 1);
    }
    if (now.stack != was.stack)
        Prefs.stackSize = uint16_t((std::max(now.stack, 0) + 1) * 4);

    void (PrefsRecord::*const setSwitch[5])(bool) = {
        &PrefsRecord::setQuickSwitch, &PrefsRecord::setHundredRegisters, &PrefsRecord::setStickyShift,
        &PrefsRecord::setTwoLineDisplay, &PrefsRecord::setCommaRadix};
    for (int i = 0; i < 5; ++i)
        if (now.switches[i] != was.switches[i])
            (Prefs.*setSwitch[i])(now.switches[i]);

    // Without "100 Registers" only the groups 0 and 1 can be addressed.
    if (!Prefs.hundredRegisters() && UnPrefs.registerGroup() > 1)
        UnPrefs.setRegisterGroup(1);

    PrefsChanged = 1;
    UnPrefs.setShowAll(false);
    loaded_ = now;
}
