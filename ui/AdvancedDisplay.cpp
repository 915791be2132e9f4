// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/State.h"
#include "engine/Operators.h"
#include "ui/Accessibility.h"
#include "ui/AdvancedDisplay.h"
#include "ui/Legends.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool RegisterPrefixShown(KeyOp prefix)
{
    return int(UnPrefs.registerPrefix) == prefix && int(UnPrefs.formatPrefix) == KeyNone;
}

} // namespace

StatusIndicator StatusIndicators[StatusIndicatorCount] = {
    {"input", {5200, 5201}, QRect()},
    {"mem", {3100}, QRect()},
    {"prefix", {3200, 3300, 3400, 4500, 4600, 4700, 5300}, QRect()},
    {"enter", {3600}, QRect()},
    {"hyp", {3500}, QRect()},
    {"trig", {2800, 2900}, QRect()},
    {"begin", {3000}, QRect()},
    {"int", {2500, 2600, 2700}, QRect()},
    {"shift", {5400}, QRect()},
};

// Each state holds alone among its indicator's states: a pending format
// prefix shows over a pending register prefix.
const StatusState StatusStates[] = {
    {StatusInput, "ALG", [] { return Prefs.precedenceInput() && !Prefs.rpnInput(); }},
    {StatusInput, "RPN", [] { return Prefs.rpnInput(); }},
    {StatusMemory, "M", [] { return double(Regs.memory) != 0.0; }},
    {StatusPrefix, "STO", [] { return RegisterPrefixShown(KeyStore); }},
    {StatusPrefix, "RCL", [] { return RegisterPrefixShown(KeyRecall); }},
    {StatusPrefix, "XCH", [] { return RegisterPrefixShown(KeyExchangeRegister); }},
    {StatusPrefix, "GEN", [] { return int(UnPrefs.formatPrefix) == KeyFormatGeneral; }},
    {StatusPrefix, "SCI", [] { return int(UnPrefs.formatPrefix) == KeyFormatScientific; }},
    {StatusPrefix, "ENG", [] { return int(UnPrefs.formatPrefix) == KeyFormatEngineering; }},
    {StatusPrefix, "FIX", [] { return int(UnPrefs.formatPrefix) == KeyFormatFixed; }},
    {StatusEnter, "ENT", [] { return PeekOp() == KeyEnter; }},
    {StatusHyperbolic, "HYP", [] { return UnPrefs.hyperbolic(); }},
    {StatusAngle, "RAD", [] { return Prefs.angleMode() == AngleRadians; }},
    {StatusAngle, "GRD", [] { return Prefs.angleMode() == AngleGrads; }},
    {StatusBegin, "BEG", [] { return Prefs.beginMode(); }},
    {StatusBase, "BIN", [] { return UnPrefs.base() == BaseBinary; }},
    {StatusBase, "OCT", [] { return UnPrefs.base() == BaseOctal; }},
    {StatusBase, "HEX", [] { return UnPrefs.base() == BaseHexadecimal; }},
    {StatusShift, "SHIFT", [] { return UnPrefs.shift(); }},
};

namespace {

// The frame around the display is one line of the palette's mid colour;
// the lines and the strip keep a gap inside it.
constexpr int FrameLine = 1;
// The smallest line and strip heights, in pixels.
constexpr int MinimumLineHeight = 28;
constexpr int MinimumStripHeight = 16;

// The strip's share of the inside of the display.
qreal StripShare(int lines)
{
    return lines == 2 ? 0.18 : 0.26;
}

// The gap between the frame and the lines, for a display of the height.
int Padding(int height)
{
    return FrameLine + std::max(2, height / 30);
}

// The line height of the interface font as a share of its pixel size,
// measured once at the size the menus use anyway.
qreal InterfaceLineRatio()
{
    static const qreal ratio = [] {
        const QFont font = QApplication::font();
        return QFontMetricsF(font).height() / std::max(QFontInfo(font).pixelSize(), 1);
    }();
    return ratio;
}

// The largest pixel size at which lines of the ratio fit the height.
int PixelSizeForHeight(qreal ratio, qreal height)
{
    return std::max(1, int(std::floor(height / ratio)));
}

// The indicator and slot of a status code, or false when no indicator has it.
bool FindStatus(uint16_t code, StatusIndicator** found, int* slot)
{
    for (StatusIndicator& indicator : StatusIndicators) {
        for (int j = 0; j < 7; ++j) {
            if (indicator.codes[j] == code) {
                *found = &indicator;
                *slot = j;
                return true;
            }
        }
    }
    return false;
}

} // namespace

AdvancedDisplay::AdvancedDisplay(QWidget* parent) : Display(parent, 0)
{
    setLines(0);
    setLines(Prefs.twoLineDisplay() ? 2 : 1);
    //: The display's name for a screen reader: the X register it shows.
    setAccessibleName(tr("X"));
    // Tab reaches the display, where a screen reader reads each result; a
    // click is a tap and takes no focus.
    setFocusPolicy(Qt::TabFocus);
}

QString AdvancedDisplay::spokenText() const
{
    const QString x = Display::spokenText();
    if (getLines() != 2)
        return x;
    QString number, label;
    valueTexts(UnPrefs.stack[1], UnPrefs.stackLabel[1], false, UnPrefs.stackLabelIndex[1], number, label);
    //: The display's second line for a screen reader: the Y register.
    const QString y = SpokenValue(tr("Y"), ValueWords(number, label));
    //: What a screen reader says for a display of two lines: %1 is X, %2 is Y.
    return tr("%1; %2").arg(x, y);
}

QString AdvancedDisplay::spokenDetails() const
{
    QStringList shown;
    for (const StatusState& state : StatusStates)
        if (state.shown())
            shown << QString::fromLatin1(state.text);
    return shown.join(QLatin1String(", "));
}

void AdvancedDisplay::shownValue(QString& number, QString& label) const
{
    if (!UnPrefs.entering()) {
        Display::shownValue(number, label);
        return;
    }
    char text[EntryTextSize + 1];
    std::memcpy(text, UnPrefs.entryText, EntryTextSize);
    text[EntryTextSize] = '\0';
    number = numberText(text);
    label.clear();
}

QString AdvancedDisplay::statusText(uint16_t code)
{
    StatusIndicator* indicator;
    int slot;
    if (!FindStatus(code, &indicator, &slot))
        return QString();
    const int id = int(indicator - StatusIndicators);
    for (const StatusState& state : StatusStates) {
        if (state.indicator == id && slot-- == 0)
            return QString::fromLatin1(state.text);
    }
    return QString();
}

QSize AdvancedDisplay::minimumSizeHint() const
{
    const int lines = getLines() == 2 ? 2 : 1;
    const int pad = Padding(0);
    return QSize(0, 2 * pad + lines * MinimumLineHeight + MinimumStripHeight);
}

QSize AdvancedDisplay::sizeHint() const
{
    // The smallest size: a layout then shares out the room by stretch.
    return minimumSizeHint();
}

void AdvancedDisplay::calculateHeight()
{
    // The display grows with the window, the keypad taking the rest.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    policy.setVerticalStretch(DisplayStretch[getLines() == 2 ? 2 : 1]);
    setSizePolicy(policy);
    setMinimumHeight(minimumSizeHint().height());
    updateGeometry();
}

void AdvancedDisplay::resizeEvent(QResizeEvent* event)
{
    Display::resizeEvent(event);
    const int lines = getLines() == 2 ? 2 : 1;
    const int pad = Padding(height());
    const QRect inside = rect().adjusted(pad, pad, -pad, -pad);
    const int strip = std::max(MinimumStripHeight, int(std::lround(inside.height() * StripShare(lines))));
    const int line = std::max(1, (inside.height() - strip) / lines);
    int y = inside.top();
    m_yRect = QRect();
    if (lines == 2) {
        m_yRect = QRect(inside.left(), y, inside.width(), line);
        y += line;
    }
    m_xRect = QRect(inside.left(), y, inside.width(), line);
    y += line;
    m_statusRect = QRect(inside.left(), y, inside.width(), std::max(inside.bottom() + 1 - y, 1));

    QFont number = numberFont();
    number.setPixelSize(PixelSizeForHeight(LegendLineRatio, line));
    setNumberFont(number);

    // The interface font for the indicators and the labels: as tall as the
    // strip allows, and narrow enough that the widest state fits its slot.
    QFont status = QApplication::font(this);
    status.setPixelSize(PixelSizeForHeight(InterfaceLineRatio(), m_statusRect.height() * 0.95));
    const qreal room = m_statusRect.width() / StatusSlotCount * 0.9;
    qreal widest = 0;
    for (const StatusState& state : StatusStates)
        if (state.indicator != StatusShift)
            widest = std::max(widest, QFontMetricsF(status).horizontalAdvance(QLatin1String(state.text)));
    if (widest > room && room > 0)
        status.setPixelSize(std::max(1, int(std::floor(status.pixelSize() * room / widest))));
    m_statusFont = status;
    if (font() != status)
        setFont(status);
    initStatus();
}

void AdvancedDisplay::initStatus()
{
    const int slot = m_statusRect.width() / StatusSlotCount;
    for (int i = 0; i < StatusIndicatorCount; ++i)
        StatusIndicators[i].rect = QRect(m_statusRect.x() + i * slot, m_statusRect.y(), slot, m_statusRect.height());
}

void AdvancedDisplay::drawStatus(uint16_t code)
{
    StatusIndicator* indicator;
    int slot;
    if (!FindStatus(code, &indicator, &slot))
        return;
    QPainter painter(this);
    painter.fillRect(indicator->rect, palette().color(backgroundRole()));
    if (indicator != &StatusIndicators[StatusShift]) {
        painter.setPen(palette().color(foregroundRole()));
        painter.setFont(m_statusFont);
        painter.drawText(indicator->rect, Qt::AlignCenter | Qt::TextSingleLine, statusText(code));
        return;
    }
    // Shift shows as the shift key's own legend, lit in the colours of a
    // selection.
    QFont font = LegendFont();
    font.setPixelSize(std::max(1, int(std::lround(m_statusFont.pixelSize() * 1.2))));
    const QString legend = LegendText(KeyShift);
    const QFontMetricsF metrics(font);
    const qreal height = std::min<qreal>(indicator->rect.height(), QFontMetricsF(m_statusFont).height());
    const QSizeF box(metrics.horizontalAdvance(legend) + height * 0.8, height);
    const QRectF back(QPointF(indicator->rect.center()) - QPointF(box.width() / 2, box.height() / 2), box);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawRoundedRect(back, box.height() / 4, box.height() / 4);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.setFont(font);
    painter.drawText(back, Qt::AlignCenter | Qt::TextSingleLine, legend);
}

void AdvancedDisplay::eraseStatus(uint16_t code)
{
    StatusIndicator* indicator;
    int slot;
    if (!FindStatus(code, &indicator, &slot))
        return;
    QPainter painter(this);
    painter.fillRect(indicator->rect, palette().color(backgroundRole()));
}

void AdvancedDisplay::displayStatus()
{
    // The strip between and beside the indicators is blank.
    {
        QPainter painter(this);
        painter.fillRect(m_statusRect, palette().color(backgroundRole()));
    }
    int slot[StatusIndicatorCount] = {};
    for (const StatusState& state : StatusStates) {
        if (state.shown())
            drawStatus(StatusIndicators[state.indicator].codes[slot[state.indicator]]);
        ++slot[state.indicator];
    }
}

void AdvancedDisplay::updateDisplay()
{
    // The background, with a frame that sets the display off from the
    // window in light and dark themes alike.
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(backgroundRole()));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        // The keyboard focus: a ring in the selection colour inside the
        // frame, clear of the numbers.
        if (hasFocus()) {
            const int ring = std::max(2, height() / 40);
            painter.setPen(QPen(palette().color(QPalette::Highlight), ring, Qt::SolidLine, Qt::SquareCap,
                                Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            const qreal inset = FrameLine + ring / 2.0;
            painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
        }
    }
    if (getLines() == 2)
        displayReg(m_yRect, 1);
    if (UnPrefs.entering()) {
        char text[EntryTextSize + 1];
        std::memcpy(text, UnPrefs.entryText, EntryTextSize);
        text[EntryTextSize] = '\0';
        displayNumber(m_xRect, 0, text, UnPrefs.stackLabelIndex[0], false, true);
    } else {
        displayReg(m_xRect, 0, true);
    }
    displayStatus();
}
