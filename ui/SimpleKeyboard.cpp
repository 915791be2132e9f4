#include "SimpleKeyboard.h"

#include <QPainter>

SimpleKeyboard::SimpleKeyboard(QWidget* parent, int count, const KeyOp* map, bool horizontal)
    : Keyboard(parent)
{
    landscape = horizontal;
    setKeyMap(count, map);
}

SimpleKeyboard::SimpleKeyboard(QWidget* parent, const FunctionMap* normal, const FunctionMap* shifted)
    : Keyboard(parent)
{
    landscape = true;
    setFunctionMap(normal, shifted);
}

void SimpleKeyboard::setKeyMap(int count, const KeyOp* map)
{
    normalMap = map;
    shiftedMap = map;
    if (count < 0)
        count = 0;
    if (landscape) {
        rows = 1;
        cols = count;
        setMinimumHeight(19);
    } else {
        rows = count;
        cols = 1;
        setMinimumWidth(27);
    }
    layoutButtons();
}

void SimpleKeyboard::setFunctionMap(const FunctionMap* normal, const FunctionMap* shifted)
{
    normalMap = normal ? &(*normal)[0][0] : nullptr;
    shiftedMap = shifted ? &(*shifted)[0][0] : normalMap;
    rows = 2;
    cols = 6;
    setMinimumHeight(38);
    layoutButtons();
}

KeyOp SimpleKeyboard::getKey(int row, int col, bool shiftedState)
{
    const KeyOp* map = shiftedState ? shiftedMap : normalMap;
    if (!map || row < 1 || row > rows || col < 1 || col > cols)
        return KeyNone;
    return map[cols * (row - 1) + (col - 1)];
}

void SimpleKeyboard::resizeEvent(QResizeEvent* event)
{
    Keyboard::resizeEvent(event);
    layoutButtons();
}

void SimpleKeyboard::layoutButtons()
{
    spacing = 2;
    int w = width();
    int h = height();
    buttonWidth = cols > 0 ? (w - 2 * cols) / cols : 0;
    buttonHeight = rows > 0 ? (h - 2 * rows) / rows : 0;
    left = (w - cols * (buttonWidth + 2)) / 2;
    top = (h - rows * (buttonHeight + 2)) / 2;
    rebuildBitmaps();
}

void SimpleKeyboard::rebuildBitmaps()
{
    pictures[0] = QPixmap();
    pictures[1] = QPixmap();
    Keyboard::rebuildBitmaps();
}

const QPixmap& SimpleKeyboard::picture(bool shiftedState)
{
    QPixmap& result = pictures[shiftedState ? 1 : 0];
    if (!result.isNull() || buttonWidth <= 0 || buttonHeight <= 0)
        return result;
    result = QPixmap((spacing + buttonWidth) * cols, rows * (spacing + buttonHeight));
    result.fill(palette().color(QPalette::Window));
    QPainter painter(&result);
    QPixmap button(buttonWidth, buttonHeight);
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            drawButtonBitmap(button, getKey(row, col, shiftedState), false);
            painter.drawPixmap((col - 1) * (spacing + buttonWidth) + 1, (row - 1) * (spacing + buttonHeight) + 1,
                               button);
        }
    }
    return result;
}

void SimpleKeyboard::drawKeyboard()
{
    QPainter* painter = activePainter();
    if (!painter) {
        update();
        return;
    }
    painter->drawPixmap(left, top, picture(shifted));
}

QSize SimpleKeyboard::sizeHint() const
{
    // Keeps the 19 : 11 proportion of a glyph cell.
    if (landscape) {
        int unit = cols > 0 ? (width() - 2 * cols) / cols : 0;
        return QSize(width(), unit / 19 * 11 + 8);
    }
    int unit = rows > 0 ? (height() - 2 * rows) / rows : 0;
    return QSize(unit / 11 * 19 + 8, height());
}
