// SPDX-License-Identifier: GPL-3.0-or-later
// The main display: X, optionally Y above it, and below them a strip of
// nine status indicators (input mode, memory, pending prefix, pending
// ENTER, hyperbolic, angle unit, begin mode, integer base, shift).
#pragma once

#include "ui/Display.h"

#include <QFont>
#include <QRect>

#include <cstdint>

// One status indicator: its name, the status codes of its states (0 where
// a slot has none), and, filled at run time, its place in the strip.
struct StatusIndicator {
    const char* name;
    uint16_t codes[7];
    QRect rect;
};

constexpr int StatusIndicatorCount = 9;
// The strip has a slot for each indicator; the shift indicator takes the
// one at its right end.
constexpr int StatusSlotCount = StatusIndicatorCount;
extern StatusIndicator StatusIndicators[StatusIndicatorCount];

// The display's share of the main window's height against the keypad's
// (KeypadStretch), by its number of lines.
constexpr int DisplayStretch[3] = {0, 16, 26};

// The indicators, in the order of the strip.
enum StatusIndicatorId {
    StatusInput, StatusMemory, StatusPrefix, StatusEnter, StatusHyperbolic, StatusAngle, StatusBegin,
    StatusBase, StatusShift
};

// One state an indicator shows: its text, and the condition on the
// calculator's state under which it shows.  An indicator's states are listed
// in the order of its status codes, and at most one of them holds at a time.
struct StatusState {
    StatusIndicatorId indicator;
    const char* text;
    bool (*shown)();
};
constexpr int StatusStateCount = 19;
extern const StatusState StatusStates[StatusStateCount];

class AdvancedDisplay : public Display {
    Q_OBJECT
public:
    explicit AdvancedDisplay(QWidget* parent = nullptr);

    void updateDisplay() override;
    void calculateHeight() override;
    // X: the number being typed as typed, or X and its label.
    void shownValue(QString& number, QString& label) const override;
    // X, then Y when the display shows two lines: "X: 5.; Y: 3.".
    QString spokenText() const override;
    // The status indicators shown: "RPN, HEX".
    QString spokenDetails() const override;

    void initStatus();
    void drawStatus(uint16_t code);
    void eraseStatus(uint16_t code);
    void displayStatus();

    QRect xRect() const { return m_xRect; }
    QRect yRect() const { return m_yRect; }
    QRect statusRect() const { return m_statusRect; }
    // The interface font at the size of the status strip and the labels.
    const QFont& statusFont() const { return m_statusFont; }
    // The text an indicator shows for one of its status codes; empty for a
    // code no indicator has.
    static QString statusText(uint16_t code);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect m_xRect;
    QRect m_yRect;
    QRect m_statusRect;
    QFont m_statusFont;
};
