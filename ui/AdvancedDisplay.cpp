#include "ui/AdvancedDisplay.h"

#include "engine/Operators.h"
#include "engine/State.h"
#include "ui/Images.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <cstring>

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

    if (Prefs.rpnInput())
        drawStatus(5201);
    else if (Prefs.precedenceInput())
        drawStatus(5200);
    else
        eraseStatus(5200);

    switch (UnPrefs.base()) {
    case BaseBinary: drawStatus(2500); break;
    case BaseOctal: drawStatus(2600); break;
    case BaseHexadecimal: drawStatus(2700); break;
    default: eraseStatus(2700); break;
    }

    if (UnPrefs.hyperbolic())
        drawStatus(3500);
    else
        eraseStatus(3500);

    switch (Prefs.angleMode()) {
    case AngleRadians: drawStatus(2800); break;
    case AngleGrads: drawStatus(2900); break;
    default: eraseStatus(2800); break;
    }

    if (Prefs.beginMode())
        drawStatus(3000);
    else
        eraseStatus(3000);

    if (double(Regs.memory) != 0.0)
        drawStatus(3100);
    else
        eraseStatus(3100);

    switch (int(UnPrefs.registerPrefix)) {
    case KeyStore: drawStatus(3200); break;
    case KeyRecall: drawStatus(3300); break;
    case KeyExchangeRegister: drawStatus(3400); break;
    default: eraseStatus(3200); break;
    }

    switch (int(UnPrefs.formatPrefix)) {
    case KeyFormatGeneral: drawStatus(4500); break;
    case KeyFormatScientific: drawStatus(4600); break;
    case KeyFormatEngineering: drawStatus(4700); break;
    case KeyFormatFixed: drawStatus(5300); break;
    default:
        if (int(UnPrefs.registerPrefix) == KeyNone)
            eraseStatus(4500);
        break;
    }

    if (PeekOp() == KeyEnter)
        drawStatus(3600);
    else
        eraseStatus(3600);
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
