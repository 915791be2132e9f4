#include "Keyboard.h"

#include "Legends.h"

#include "engine/Programmer.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

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
    painter = nullptr;
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

    if (code == KeyNone)
        return;
    // A sunken key's legend moves one pixel up and to the left with it.
    QRectF face(x + 1, y + 1, w - 2, h - 2);
    if (highlighted)
        face.translate(-1, -1);
    DrawLegend(painter, code, face, colors.text);
}
