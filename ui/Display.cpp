// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/State.h"
#include "format/DisplayText.h"
#include "format/Format.h"
#include "format/Strings.h"
#include "ui/Accessibility.h"
#include "ui/Display.h"
#include "ui/Legends.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The legend font, large: numbers look the same on every machine.
QFont DisplayFont()
{
    QFont font = LegendFont();
    font.setPointSize(21);
    return font;
}

// Text rectangles are drawn from one pixel inside the left edge.
QRect LabelRect(const QRect& rect)
{
    return rect.adjusted(1, 0, 0, 0);
}

} // namespace

Display::Display(QWidget* parent, int index, const char* name, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_index(index), m_numberFont(DisplayFont()), m_messageFont(DisplayFont())
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    // Every paint covers the whole widget, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The colours of a text field: they stand out from the window in light
    // and dark themes alike.
    setBackgroundRole(QPalette::Base);
    InstallAccessibility();
}

void Display::setLines(int lines)
{
    if (lines == m_lines)
        return;
    m_lines = lines;
    calculateHeight();
}

void Display::setHighlighted(bool on)
{
    if (on == m_highlighted)
        return;
    m_highlighted = on;
    update();
}

void Display::updateDisplay()
{
    displayReg(rect(), m_index);
}

void Display::eraseDisplay()
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
}

void Display::setNumberFont(const QFont& font)
{
    m_numberFont = font;
    m_messageFont = font;
}

int Display::rightMargin(const QFont& font)
{
    return std::max(2, int(std::lround(QFontMetricsF(font).height() * 0.15)));
}

QFont Display::fittedFont(const QFont& font, const QString& text, qreal width)
{
    QFont fitted = font;
    qreal room = width - rightMargin(font);
    qreal advance = QFontMetricsF(fitted).horizontalAdvance(text);
    if (advance <= room || room <= 0)
        return fitted;
    int pixels = QFontInfo(font).pixelSize();
    // Text widths follow the size closely but not exactly (hinting): one
    // proportional step, then single pixels until the text fits.
    pixels = std::max(1, int(std::floor(pixels * room / advance)));
    fitted.setPixelSize(pixels);
    while (pixels > 1 && QFontMetricsF(fitted).horizontalAdvance(text) > room)
        fitted.setPixelSize(--pixels);
    return fitted;
}

void Display::paintEvent(QPaintEvent*)
{
    updateDisplay();
}

void Display::displayFormatted(const QRect& rect, double value, uint16_t label, bool plain,
                               uint16_t labelIndex, bool highlighted, bool selected)
{
    char text[FormatBufferSize];
    if (FormatNumber(value, label, text, plain) != FormatOk) {
        displayMessage(rect, GetString(LabelError));
        return;
    }
    displayNumber(rect, label, text, labelIndex, highlighted, selected);
}

void Display::displayReg(const QRect& rect, int level, bool selected)
{
    if (level < 0 || level >= StackLevels)
        return;
    bool plain = level == 0 && UnPrefs.entering();
    displayFormatted(rect, UnPrefs.stack[level], UnPrefs.stackLabel[level], plain,
                     UnPrefs.stackLabelIndex[level], false, selected);
}

void Display::setNumberSelected(bool on)
{
    if (on == m_numberSelected)
        return;
    m_numberSelected = on;
    update();
}

void Display::displayUserReg(const QRect& rect, int reg)
{
    if (reg < 0 || reg >= UserRegisterCount)
        return;
    // Registers keep no label index: a register labelled as a cash flow
    // shows "CFj" without a number.
    displayFormatted(rect, Regs.registers[reg], Regs.registerLabel[reg], false, NoLabelIndex, m_highlighted);
}

void Display::displayValue(const QRect& rect, double value)
{
    displayFormatted(rect, value, 0, false, 0, false);
}

void Display::valueTexts(double value, uint16_t label, bool plain, uint16_t labelIndex, QString& number,
                         QString& labelText) const
{
    char text[FormatBufferSize];
    number = FormatNumber(value, label, text, plain) == FormatOk ? numberText(text)
                                                                 : QString::fromLatin1(GetString(LabelError));
    char buffer[LabelTextSize];
    labelText = LabelText(label, labelIndex, buffer) ? QString::fromLatin1(buffer) : QString();
}

void Display::shownValue(QString& number, QString& label) const
{
    const int level = std::clamp(m_index, 0, StackLevels - 1);
    valueTexts(UnPrefs.stack[level], UnPrefs.stackLabel[level], level == 0 && UnPrefs.entering(),
               UnPrefs.stackLabelIndex[level], number, label);
}

QString Display::shownWords() const
{
    QString number, label;
    shownValue(number, label);
    return ValueWords(number, label);
}

QString Display::ValueWords(const QString& number, const QString& label)
{
    return label.isEmpty() ? number : number + QLatin1Char(' ') + label;
}

QString Display::spokenText() const
{
    return SpokenValue(shownName(), shownWords());
}

void Display::announce()
{
    if (!QAccessible::isActive())
        return;
    const QString now = spokenText();
    if (now != m_spoken) {
        AccessibleTextChanged(this, m_spoken, now);
        m_spoken = now;
    }
    const QString details = spokenDetails();
    if (details != m_spokenDetails) {
        m_spokenDetails = details;
        AccessibleDescriptionChanged(this);
    }
}

void Display::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void Display::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

QString Display::numberText(const char* text) const
{
    char shown[DisplayTextSize];
    DisplayNumberText(text, m_commaRadix, shown);
    return QString::fromLatin1(shown);
}

void Display::displayNumber(const QRect& rect, uint16_t labelId, const char* text, uint16_t labelIndex,
                            bool highlighted, bool selected)
{
    QPainter painter(this);
    QColor background = palette().color(backgroundRole());
    QColor foreground = palette().color(foregroundRole());
    if (highlighted) {
        background = palette().color(QPalette::Highlight);
        foreground = palette().color(QPalette::HighlightedText);
    }
    painter.setBackground(background);
    painter.setPen(foreground);

    // The number keeps clear of its label and fits the rest of the line.
    qreal room = rect.width();
    if (labelId == 0 || !displayLabel(painter, rect, labelId, labelIndex, &room))
        painter.fillRect(rect, background);

    const QString shown = numberText(text);
    const QFont font = fittedFont(m_numberFont, shown, room);
    painter.setFont(font);
    const QRect line = rect.adjusted(0, 0, -rightMargin(m_numberFont), 0);
    if (selected && m_numberSelected) {
        // The number's own box in the colours of a text selection.
        const QFontMetricsF metrics(font);
        const qreal pad = metrics.averageCharWidth() / 4;
        const qreal width = metrics.horizontalAdvance(shown) + 2 * pad;
        const qreal height = std::min<qreal>(metrics.height(), rect.height());
        const QRectF box(line.right() + 1 + pad - width, rect.top() + (rect.height() - height) / 2, width, height);
        painter.fillRect(box, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
    }
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

bool Display::displayLabel(QPainter& painter, const QRect& rect, uint16_t labelId, uint16_t labelIndex,
                           qreal* room)
{
    char label[LabelTextSize];
    if (!LabelText(labelId, labelIndex, label))
        return false;
    const QString text = QString::fromLatin1(label);

    painter.fillRect(rect, painter.background());
    painter.setFont(font());
    painter.drawText(LabelRect(rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    if (room) {
        const QFontMetricsF metrics(font());
        *room = rect.width() - 1 - metrics.horizontalAdvance(text) - metrics.averageCharWidth();
    }
    return true;
}

void Display::displayMessage(const QRect& rect, const char* text, bool)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.fillRect(rect, palette().color(backgroundRole()));
    if (!text)
        return;
    const QString shown = QString::fromLatin1(text);
    painter.setFont(fittedFont(m_messageFont, shown, rect.width()));
    painter.drawText(rect.adjusted(0, 0, -rightMargin(m_messageFont), 0),
                     Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void Display::displayAmortMessage(const QRect& rect)
{
    const char* label = GetString(LabelCalculating);
    if (!label) {
        displayMessage(rect, "");
        return;
    }
    QByteArray text = QByteArray(label) + "  " + QByteArray::number(uint16_t(UnPrefs.amortStart)) + '-' +
                      QByteArray::number(uint16_t(UnPrefs.amortEnd));
    displayMessage(rect, text.constData());
}

void Display::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_highlighted = getAutoHighlight();
    update();
}

void Display::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    setHighlighted(rect().contains(event->position().toPoint()) && getAutoHighlight());
}

void Display::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    QPoint point = event->position().toPoint();
    if (rect().contains(point))
        emit displayTapped(m_index, point.x(), width());
    m_pressed = false;
    setHighlighted(false);
}

void Display::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_index);
}

void Display::setLineFontSize(int points)
{
    QFont label = font();
    label.setPointSize(points);
    setFont(label);
    m_numberFont.setPointSize(points);
    m_messageFont.setPointSize(points);
    setMinimumHeight(QFontMetrics(m_numberFont).lineSpacing());
}
