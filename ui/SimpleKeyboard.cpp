// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimpleKeyboard.h"

#include <QPainter>

namespace {

// The size a key of a small keypad asks for: readable, and as large as the
// keys of the main keypad in a window of the usual size.
constexpr int NaturalKeyWidth = 64;
constexpr int NaturalKeyHeight = 44;

} // namespace

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
    } else {
        rows = count;
        cols = 1;
    }
    setMinimumKeySize();
    layoutButtons();
}

void SimpleKeyboard::setFunctionMap(const FunctionMap* normal, const FunctionMap* shifted)
{
    normalMap = normal ? &(*normal)[0][0] : nullptr;
    shiftedMap = shifted ? &(*shifted)[0][0] : normalMap;
    rows = 2;
    cols = 6;
    setMinimumKeySize();
    layoutButtons();
}

KeyOp SimpleKeyboard::getKey(int row, int col, bool shiftedState)
{
    const KeyOp* map = shiftedState ? shiftedMap : normalMap;
    if (!map || row < 1 || row > rows || col < 1 || col > cols)
        return KeyNone;
    return map[cols * (row - 1) + (col - 1)];
}

void SimpleKeyboard::setMinimumKeySize()
{
    setMinimumSize(cols * (MinimumKeyWidth + spacing), rows * (MinimumKeyHeight + spacing));
    updateGeometry();
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
    if ((!result.isNull() && !staleRatio(result)) || buttonWidth <= 0 || buttonHeight <= 0)
        return result;
    result = makePicture(QSize((spacing + buttonWidth) * cols, rows * (spacing + buttonHeight)));
    QPainter painter(&result);
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            QRect cell((col - 1) * (spacing + buttonWidth) + 1, (row - 1) * (spacing + buttonHeight) + 1,
                       buttonWidth, buttonHeight);
            drawButton(painter, cell, getKey(row, col, shiftedState), false);
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
    return QSize(cols * (NaturalKeyWidth + spacing), rows * (NaturalKeyHeight + spacing));
}
