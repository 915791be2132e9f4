#include "core/State.h"
#include "format/DisplayText.h"
#include "format/Format.h"
#include "format/Strings.h"
#include "ui/Display.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>


namespace {

QFont DisplayFont()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    font.setPointSize(21);
    font.setWeight(QFont::Black);
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
    setBackgroundRole(QPalette::Window);
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

void Display::paintEvent(QPaintEvent*)
{
    updateDisplay();
}

void Display::displayFormatted(const QRect& rect, double value, uint16_t label, bool plain,
                               uint16_t labelIndex, bool highlighted)
{
    char text[FormatBufferSize];
    if (FormatNumber(value, label, text, plain) != FormatOk) {
        displayMessage(rect, GetString(LabelError));
        return;
    }
    displayNumber(rect, label, text, labelIndex, highlighted);
}

void Display::displayReg(const QRect& rect, int level)
{
    if (level < 0 || level >= StackLevels)
        return;
    bool plain = level == 0 && UnPrefs.entering();
    displayFormatted(rect, UnPrefs.stack[level], UnPrefs.stackLabel[level], plain,
                     UnPrefs.stackLabelIndex[level], false);
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

QString Display::numberText(const char* text) const
{
    char shown[DisplayTextSize];
    DisplayNumberText(text, m_commaRadix, shown);
    return QString::fromLatin1(shown);
}

void Display::displayNumber(const QRect& rect, uint16_t labelId, const char* text, uint16_t labelIndex,
                            bool highlighted)
{
    QPainter painter(this);
    QColor background = palette().color(QPalette::Window);
    QColor foreground = palette().color(QPalette::WindowText);
    if (highlighted) {
        background = palette().color(QPalette::Highlight);
        foreground = palette().color(QPalette::HighlightedText);
    }
    painter.setBackground(background);
    painter.setPen(foreground);

    if (labelId == 0 || !displayLabel(painter, rect, labelId, labelIndex))
        painter.fillRect(rect, background);

    painter.setFont(m_numberFont);
    painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, numberText(text));
}

bool Display::displayLabel(QPainter& painter, const QRect& rect, uint16_t labelId, uint16_t labelIndex)
{
    char label[LabelTextSize];
    if (!LabelText(labelId, labelIndex, label))
        return false;
    const QString text = QString::fromLatin1(label);

    painter.fillRect(rect, painter.background());
    painter.setFont(font());
    painter.drawText(LabelRect(rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return true;
}

void Display::displayMessage(const QRect& rect, const char* text, bool)
{
    QPainter painter(this);
    painter.setFont(m_messageFont);
    painter.setPen(palette().color(QPalette::WindowText));
    QColor background = palette().color(QPalette::Window);
    painter.fillRect(rect, background);
    if (text)
        painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromLatin1(text));
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

void Display::setLineFontSize(int points)
{
    QFont label = font();
    label.setPointSize(points);
    setFont(label);
    m_numberFont.setPointSize(points);
    m_messageFont.setPointSize(points);
    setMinimumHeight(QFontMetrics(m_numberFont).lineSpacing());
}
