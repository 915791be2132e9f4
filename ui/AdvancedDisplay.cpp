#include "core/State.h"
#include "engine/Operators.h"
#include "ui/AdvancedDisplay.h"
#include "ui/Images.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <cstring>

namespace {

bool RegisterPrefixShown(KeyOp prefix)
{
    return int(UnPrefs.registerPrefix) == prefix && int(UnPrefs.formatPrefix) == KeyNone;
}

} // namespace

StatusIndicator StatusIndicators[StatusIndicatorCount] = {
    {"input", {5200, 5201}, QRect(), nullptr},
    {"mem", {3100}, QRect(), nullptr},
    {"prefix", {3200, 3300, 3400, 4500, 4600, 4700, 5300}, QRect(), nullptr},
    {"enter", {3600}, QRect(), nullptr},
    {"hyp", {3500}, QRect(), nullptr},
    {"trig", {2800, 2900}, QRect(), nullptr},
    {"begin", {3000}, QRect(), nullptr},
    {"int", {2500, 2600, 2700}, QRect(), nullptr},
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
};

namespace {

int CodeCount(const StatusIndicator& indicator)
{
    int count = 0;
    for (uint16_t code : indicator.codes)
        if (code != 0)
            ++count;
    return count;
}

// The indicator and glyph slot of a status code, or false when no
// indicator has it.
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
}

void AdvancedDisplay::calculateHeight()
{
    setFixedHeight(getLines() * QFontMetrics(numberFont()).lineSpacing() + 13);
}

void AdvancedDisplay::resizeEvent(QResizeEvent* event)
{
    Display::resizeEvent(event);
    QFontMetrics metrics(numberFont());
    int y = 0;
    if (getLines() == 2) {
        m_yRect = QRect(0, 0, width(), metrics.height());
        y = metrics.lineSpacing();
    } else {
        m_yRect = QRect();
    }
    m_xRect = QRect(0, y, width(), metrics.height());
    y += metrics.lineSpacing();
    m_statusRect = QRect(0, y, width(), StatusStripHeight);
    initStatus();
}

void AdvancedDisplay::initStatus()
{
    int total = 0;
    for (StatusIndicator& indicator : StatusIndicators) {
        int count = CodeCount(indicator);
        if (!indicator.bitmap) {
            QByteArray name = QByteArray("tovrin/status_") + indicator.name + "_hires";
            indicator.bitmap = new QBitmap(LoadBitmap(name.constData()));
        }
        int width = count > 0 ? indicator.bitmap->width() / count : 0;
        indicator.rect = QRect(m_statusRect.x(), m_statusRect.y(), width, m_statusRect.height());
        total += width;
    }
    int gap = (m_statusRect.width() - total) / (StatusIndicatorCount - 1);
    int x = 0;
    for (StatusIndicator& indicator : StatusIndicators) {
        indicator.rect.moveLeft(x);
        x += indicator.rect.width() + gap;
    }
}

void AdvancedDisplay::drawStatus(uint16_t code)
{
    StatusIndicator* indicator;
    int slot;
    if (!FindStatus(code, &indicator, &slot))
        return;
    QPainter painter(this);
    painter.fillRect(indicator->rect, palette().color(QPalette::Window));
    if (!indicator->bitmap || indicator->bitmap->isNull())
        return;
    QPixmap ink(indicator->bitmap->size());
    ink.fill(palette().color(QPalette::WindowText));
    ink.setMask(*indicator->bitmap);
    int glyphWidth = indicator->rect.width();
    painter.drawPixmap(indicator->rect.topLeft(), ink,
                       QRect(slot * glyphWidth, 0, glyphWidth, StatusStripHeight));
}

void AdvancedDisplay::eraseStatus(uint16_t code)
{
    StatusIndicator* indicator;
    int slot;
    if (!FindStatus(code, &indicator, &slot))
        return;
    QPainter painter(this);
    painter.fillRect(indicator->rect, palette().color(QPalette::Window));
}

void AdvancedDisplay::displayStatus()
{
    // The strip between and beside the indicators is blank.
    {
        QPainter painter(this);
        painter.fillRect(m_statusRect, palette().color(QPalette::Window));
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
    // The rows outside the lines and the strip (the gap between Y and X).
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
    }
    if (getLines() == 2)
        displayReg(m_yRect, 1);
    if (UnPrefs.entering()) {
        char text[EntryTextSize + 1];
        std::memcpy(text, UnPrefs.entryText, EntryTextSize);
        text[EntryTextSize] = '\0';
        displayNumber(m_xRect, 0, text, UnPrefs.stackLabelIndex[0], false);
    } else {
        displayReg(m_xRect, 0);
    }
    displayStatus();
}
