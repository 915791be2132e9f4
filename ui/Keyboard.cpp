// SPDX-License-Identifier: GPL-3.0-or-later
#include "Keyboard.h"

#include "Accessibility.h"
#include "KeyReference.h"
#include "Legends.h"

#include "engine/Programmer.h"

#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// The text colour of a key, most of the way towards its face.
QColor FaintColor(const ButtonColor& colors)
{
    constexpr qreal share = 0.35;
    const QColor& text = colors.text;
    const QColor& face = colors.background;
    return QColor::fromRgbF(float(text.redF() * share + face.redF() * (1 - share)),
                            float(text.greenF() * share + face.greenF() * (1 - share)),
                            float(text.blueF() * share + face.blueF() * (1 - share)));
}

} // namespace

ButtonStyle KeyButtonStyle(KeyOp code)
{
    int c = int(code);
    if (c >= KeyDigit0 && c <= KeyComma)
        return StyleNumber;
    if (c >= KeyClearAll && c <= KeyClearStatistics)
        return StyleClear;
    if (c == KeyEnter || c == KeyEquals || (c >= KeyRollDown && c <= KeyMemoryRecall))
        return StyleRegister;
    return StyleStandard;
}

Keyboard::Keyboard(QWidget* parent)
    : QWidget(parent)
{
    // The owner gives the real table before the keypad is shown; until then
    // the keys wear the default colours.
    ColorTable defaults;
    defaults.init();
    for (int style = 0; style < ButtonStyleCount; ++style)
        buttonColors[style] = ButtonColor(&defaults, ButtonStyle(style));
    // Tab reaches the keys; a tap does not take the focus from the window.
    setFocusPolicy(Qt::TabFocus);
    InstallAccessibility();
}

void Keyboard::setRpn(bool on)
{
    if (on != rpn) {
        rpn = on;
        rebuildBitmaps();
    }
}

void Keyboard::setCommaRadix(bool on)
{
    if (on != commaRadix) {
        commaRadix = on;
        rebuildBitmaps();
    }
}

void Keyboard::setShifted(bool on)
{
    if (sticky)
        highlightButton(0, 0);
    if (keptRow || keptCol) {
        updateCell(keptRow, keptCol);
        keptRow = keptCol = 0;
    }
    shifted = on;
}

void Keyboard::setColorTable(ColorTable* table)
{
    if (table) {
        for (int style = 0; style < ButtonStyleCount; ++style)
            buttonColors[style] = ButtonColor(table, ButtonStyle(style));
    }
    rebuildBitmaps();
}

void Keyboard::rebuildBitmaps()
{
    update();
}

void Keyboard::drawKeyboard()
{
    update();
}

void Keyboard::backgroundColorChange(const QColor&)
{
    rebuildBitmaps();
    update();
}

void Keyboard::paletteChange(const QPalette&)
{
    rebuildBitmaps();
    update();
}

void Keyboard::styleChange()
{
    rebuildBitmaps();
    update();
}

void Keyboard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        paletteChange(palette());
    else if (event->type() == QEvent::StyleChange)
        styleChange();
}

KeyOp Keyboard::getKey(int, int, bool)
{
    return KeyNone;
}

bool Keyboard::getRowCol(int x, int y, int& row, int& col)
{
    // Each cell owns its button and the gap after it; positions in the
    // margin around the grid or beyond it hit nothing.
    int gridX = x - left;
    int gridY = y - top;
    int pitchX = buttonWidth + spacing;
    int pitchY = buttonHeight + spacing;
    if (x < 0 || y < 0 || x >= width() || y >= height() || gridX < 0 || gridY < 0 || pitchX <= 0 ||
        pitchY <= 0 || gridX / pitchX >= cols || gridY / pitchY >= rows) {
        row = col = 0;
        return false;
    }
    row = gridY / pitchY + 1;
    col = gridX / pitchX + 1;
    return true;
}

QRect Keyboard::buttonRect(int row, int col) const
{
    return QRect(left + (col - 1) * (buttonWidth + spacing) + 1, top + (row - 1) * (buttonHeight + spacing) + 1,
                 buttonWidth, buttonHeight);
}

QRect Keyboard::keyRect(int row, int col) const
{
    if (row < 1 || row > rows || col < 1 || col > cols)
        return QRect();
    return buttonRect(row, col);
}

QPixmap Keyboard::makePicture(const QSize& size) const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(palette().color(QPalette::Window));
    return picture;
}

bool Keyboard::staleRatio(const QPixmap& picture) const
{
    return !picture.isNull() && !qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatioF());
}

void Keyboard::updateCell(int row, int col)
{
    if (row && col)
        update(buttonRect(row, col));
}

void Keyboard::highlightButton(int row, int col, bool keepPrevious)
{
    if (row == highlightedRow && col == highlightedCol)
        return;
    if (keepPrevious) {
        updateCell(keptRow, keptCol);
        keptRow = highlightedRow;
        keptCol = highlightedCol;
    } else {
        updateCell(highlightedRow, highlightedCol);
    }
    highlightedRow = uint16_t(row);
    highlightedCol = uint16_t(col);
    updateCell(row, col);
}

void Keyboard::mousePressEvent(QMouseEvent* event)
{
    if (!active || event->button() != Qt::LeftButton)
        return;
    QPoint pos = event->position().toPoint();
    int row, col;
    getRowCol(pos.x(), pos.y(), row, col);
    // A new tap ends whatever an earlier one left drawn sunken.
    if (keptRow || keptCol) {
        updateCell(keptRow, keptCol);
        keptRow = keptCol = 0;
    }
    pressedRow = uint16_t(row);
    pressedCol = uint16_t(col);
    highlightButton(row, col, false);
    pressed = true;
}

void Keyboard::mouseMoveEvent(QMouseEvent* event)
{
    if (!pressed)
        return;
    QPoint pos = event->position().toPoint();
    int row, col;
    getRowCol(pos.x(), pos.y(), row, col);
    if (row == pressedRow && col == pressedCol)
        highlightButton(pressedRow, pressedCol, false);
    else
        highlightButton(0, 0, false);
}

void Keyboard::mouseReleaseEvent(QMouseEvent* event)
{
    if (!pressed || event->button() != Qt::LeftButton)
        return;
    pressed = false;
    QPoint pos = event->position().toPoint();
    int row, col;
    getRowCol(pos.x(), pos.y(), row, col);
    if (row && col && row == pressedRow && col == pressedCol) {
        if (focusRingShown())
            setFocusKey(row, col);
        KeyOp code = getKey(row, col, shifted);
        if (!sticky)
            highlightButton(0, 0, code == KeyShift && shifted);
        if (code != KeyNone)
            emit buttonPressed(code);
    } else {
        highlightButton(0, 0, false);
    }
}

void Keyboard::paintEvent(QPaintEvent*)
{
    QPainter widgetPainter(this);
    painter = &widgetPainter;
    drawKeyboard();
    if (keptRow && keptCol)
        drawSunken(widgetPainter, keptRow, keptCol);
    if (highlightedRow && highlightedCol)
        drawSunken(widgetPainter, highlightedRow, highlightedCol);
    if (focusRingShown())
        drawFocusRing(widgetPainter);
    painter = nullptr;
}

void Keyboard::drawFocusRing(QPainter& target)
{
    const QRect key = keyRect(focusRow, focusCol);
    if (key.isEmpty())
        return;
    // A ring in the selection colour inside the key's bevel, as thick as
    // the key is large, lined inside with the selection's text colour, so
    // that it shows on light and dark keys alike.
    const qreal line = std::max(2.0, std::round(std::min(key.width(), key.height()) / 14.0));
    const qreal lining = std::max(1.0, line / 2);
    target.save();
    target.setRenderHint(QPainter::Antialiasing);
    target.setBrush(Qt::NoBrush);
    const qreal inset = 1 + line / 2;
    const QRectF ring = QRectF(key).adjusted(inset, inset, -inset, -inset);
    target.setPen(QPen(palette().color(QPalette::Highlight), line));
    target.drawRoundedRect(ring, line, line);
    const qreal inner = (line + lining) / 2;
    target.setPen(QPen(palette().color(QPalette::HighlightedText), lining));
    target.drawRoundedRect(ring.adjusted(inner, inner, -inner, -inner), line / 2, line / 2);
    target.restore();
}

bool Keyboard::startsKey(int row, int col) const
{
    return row >= 1 && row <= rows && col >= 1 && col <= cols;
}

QList<QPoint> Keyboard::keyCells() const
{
    QList<QPoint> cells;
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col)
            if (startsKey(row, col))
                cells.append(QPoint(col, row));
    return cells;
}

void Keyboard::pressKey(int row, int col)
{
    // As a tap: a sticky keypad keeps the key selected.
    if (sticky)
        highlightButton(row, col);
    const KeyOp code = getKey(row, col, shifted);
    if (code != KeyNone)
        emit buttonPressed(code);
}

void Keyboard::setFocusKey(int row, int col)
{
    if (row == focusRow && col == focusCol)
        return;
    update(keyRect(focusRow, focusCol));
    focusRow = row;
    focusCol = col;
    update(keyRect(focusRow, focusCol));
    if (focusRingShown())
        AccessibleFocusMoved(this);
}

QString Keyboard::keyToolTip(int row, int col)
{
    const KeyOp key = getKey(row, col, shifted);
    const QString shortcut = showsShortcuts ? ShortcutText(key, function, rpn) : QString();
    return KeyToolTip(key, getKey(row, col, !shifted), shifted, shortcut);
}

bool Keyboard::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    int row, col;
    if (getRowCol(help->pos().x(), help->pos().y(), row, col))
        QToolTip::showText(help->globalPos(), keyToolTip(row, col), this, keyRect(row, col));
    else
        QToolTip::hideText();
    return true;
}

void Keyboard::keyPressEvent(QKeyEvent* event)
{
    const QList<QPoint> cells = keyCells();
    const int index = int(cells.indexOf(QPoint(focusCol, focusRow)));
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    const bool vertical = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (ringShown && plain && arrow && !cells.isEmpty()) {
        const int step = event->key() == Qt::Key_Right ? 1 : -1;
        const int next = index < 0 ? 0 : (index + step + int(cells.size())) % int(cells.size());
        setFocusKey(cells[next].y(), cells[next].x());
    } else if (ringShown && plain && vertical && index >= 0) {
        const QPoint next = keyInRow(event->key() == Qt::Key_Down ? 1 : -1);
        setFocusKey(next.y(), next.x());
    } else if (ringShown && plain && event->key() == Qt::Key_Space && index >= 0) {
        pressKey(focusRow, focusCol);
    } else {
        // Everything else is the window's: typed keys, Up and Down.
        event->ignore();
        return;
    }
    event->accept();
}

QPoint Keyboard::keyInRow(int step) const
{
    // The key whose button covers the middle of the focus key's first
    // column in the next row that holds another key, wrapping at the ends;
    // a key that spans rows is stepped over.
    const QPoint from(focusCol, focusRow);
    const int x = left + (focusCol - 1) * (buttonWidth + spacing) + 1 + buttonWidth / 2;
    for (int i = 1; i < rows; ++i) {
        const int row = (focusRow - 1 + i * step + rows * rows) % rows + 1;
        const int y = top + (row - 1) * (buttonHeight + spacing) + 1 + buttonHeight / 2;
        for (const QPoint& cell : keyCells()) {
            if (cell != from && keyRect(cell.y(), cell.x()).contains(x, y))
                return cell;
        }
    }
    return from;
}

void Keyboard::showFocusRing()
{
    const QList<QPoint> cells = keyCells();
    ringShown = true;
    focusRow = focusCol = 0;
    if (!cells.isEmpty())
        setFocusKey(cells.first().y(), cells.first().x());
    update();
}

void Keyboard::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        showFocusRing();
    else if (ringShown)
        AccessibleFocusMoved(this);
    update();
}

void Keyboard::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    // A menu or another window takes the focus for a while; the ring comes
    // back with it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        ringShown = false;
    update();
}

bool Keyboard::focusNextPrevChild(bool next)
{
    // The focus a window gives its first widget when it opens shows no
    // ring: the first Tab shows it at the first key, the next one leaves.
    if (!ringShown) {
        showFocusRing();
        return true;
    }
    // The next widget of the window's chain; when there is none the focus
    // stays here, never on nothing.
    QWidget::focusNextPrevChild(next);
    return true;
}

void Keyboard::drawSunken(QPainter& target, int row, int col)
{
    drawButton(target, buttonRect(row, col), getKey(row, col, shifted), true);
}

KeyOp Keyboard::faceCode(KeyOp code) const
{
    if (code == KeyPoint && commaRadix)
        code = KeyComma;
    if (IntegerFunctions())
        code = IntegerKey(code);
    return code;
}

void Keyboard::drawButtonBitmap(QPixmap& target, KeyOp code, bool highlighted)
{
    if (target.isNull())
        return;
    QPainter painter(&target);
    drawButton(painter, QRect(QPoint(0, 0), target.deviceIndependentSize().toSize()), code, highlighted);
}

void Keyboard::drawButton(QPainter& painter, const QRect& rect, KeyOp code, bool highlighted)
{
    const int w = rect.width();
    const int h = rect.height();
    if (w <= 2 || h <= 2)
        return;
    code = faceCode(code);
    const ButtonColor& colors = buttonColors[KeyButtonStyle(code)];
    const int x = rect.x();
    const int y = rect.y();

    // One pixel of bevel, whole pixels at any device pixel ratio: light at
    // the top and left, dark at the bottom and right (the other way round
    // when sunken).  The four corner pixels belong to the window around it.
    const QColor& topLeft = highlighted ? colors.dark : colors.light;
    const QColor& bottomRight = highlighted ? colors.light : colors.dark;
    painter.fillRect(x + 1, y + 1, w - 2, h - 2, colors.background);
    painter.fillRect(x + 1, y, w - 2, 1, topLeft);
    painter.fillRect(x, y + 1, 1, h - 2, topLeft);
    painter.fillRect(x + w - 1, y + 1, 1, h - 2, bottomRight);
    painter.fillRect(x + 1, y + h - 1, w - 2, 1, bottomRight);
    const QColor around = palette().color(QPalette::Window);
    for (QPoint corner : {QPoint(x, y), QPoint(x + w - 1, y), QPoint(x, y + h - 1), QPoint(x + w - 1, y + h - 1)})
        painter.fillRect(corner.x(), corner.y(), 1, 1, around);

    // A sunken key's legend moves one pixel up and to the left with it.
    QRectF face(x + 1, y + 1, w - 2, h - 2);
    if (highlighted)
        face.translate(-1, -1);
    // An unassigned user key shows its hint faintly.
    DrawLegend(painter, code, face, code == KeyNone ? FaintColor(colors) : colors.text);
}
