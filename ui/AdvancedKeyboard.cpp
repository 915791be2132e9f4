// SPDX-License-Identifier: GPL-3.0-or-later
#include "AdvancedKeyboard.h"

#include "core/KeyMaps.h"

#include "engine/Programmer.h"

#include <QPainter>

namespace {

constexpr int KeypadRows = 7;
constexpr int KeypadCols = 6;
constexpr int FunctionRows = 2;
constexpr int MainRows = KeypadRows - FunctionRows;

int mainIndex(bool rpnMap, bool shiftedMap)
{
    return (rpnMap ? 2 : 0) + (shiftedMap ? 1 : 0);
}

} // namespace

AdvancedKeyboard::AdvancedKeyboard(QWidget* parent)
    : Keyboard(parent)
{
    rows = KeypadRows;
    cols = KeypadCols;
    spacing = 2;
    // Every key stays usable however small the window gets, and the keypad
    // takes the room the display leaves.
    setMinimumSize(KeypadCols * (MinimumKeyWidth + spacing), KeypadRows * (MinimumKeyHeight + spacing));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setVerticalStretch(KeypadStretch);
    setSizePolicy(policy);
    setShowsShortcuts(true);
}

QSize AdvancedKeyboard::sizeHint() const
{
    // The smallest size: a layout then shares out the room by stretch.
    return minimumSize();
}

void AdvancedKeyboard::resizeEvent(QResizeEvent* event)
{
    Keyboard::resizeEvent(event);
    int w = width();
    int h = height();
    buttonWidth = (w - 12) / 6;
    buttonHeight = (h - 14) / 7;
    left = (w - 12 - 6 * buttonWidth) / 2;
    top = (h - 7 * buttonHeight - 14) / 2;
    rebuildBitmaps();
}

void AdvancedKeyboard::rebuildBitmaps()
{
    for (QPixmap& picture : functionPictures)
        picture = QPixmap();
    discardMainPictures();
    Keyboard::rebuildBitmaps();
}

void AdvancedKeyboard::discardMainPictures()
{
    for (int index = 0; index < 4; ++index) {
        mainPictures[index] = QPixmap();
        largeButtonLists[index].clear();
        largeButtonsBuilt[index] = false;
    }
}

KeyOp AdvancedKeyboard::getKey(int row, int col, bool shiftedMap)
{
    if (col < 1 || col > KeypadCols)
        return KeyNone;
    if (row >= 1 && row <= FunctionRows)
        return FunctionKey(function, shiftedMap, row, col);
    if (row > FunctionRows && row <= KeypadRows)
        return (*MainKeys[mainIndex(rpn, shiftedMap)])[row - FunctionRows - 1][col - 1];
    return KeyNone;
}

const std::vector<AdvancedKeyboard::LargeButton>& AdvancedKeyboard::largeButtons(bool rpnMap, bool shiftedMap) const
{
    int index = mainIndex(rpnMap, shiftedMap);
    std::vector<LargeButton>& list = largeButtonLists[index];
    if (largeButtonsBuilt[index])
        return list;
    const MainMap& map = *MainKeys[index];
    auto covered = [&list](int row, int col) {
        for (const LargeButton& button : list) {
            if (row >= button.row && row < button.row + button.height && col >= button.col &&
                col < button.col + button.width)
                return true;
        }
        return false;
    };
    // Rows 1-4 and columns 1-5 of the map: each cell can only reach down
    // and to the right.
    for (int row = 1; row < MainRows; ++row) {
        for (int col = 1; col < KeypadCols; ++col) {
            if (covered(row, col))
                continue;
            KeyOp code = map[row - 1][col - 1];
            int height = 0;
            int width = 0;
            if (code == map[row][col - 1]) {
                height = 2;
                bool wide = code == map[row - 1][col] && code == map[row][col];
                width = wide ? 2 : 1;
            } else if (code == map[row - 1][col]) {
                height = 1;
                width = 2;
            } else {
                continue;
            }
            QRect rect((col - 1) * (buttonWidth + spacing) + 1, (row - 1) * (buttonHeight + spacing) + 1,
                       width * buttonWidth + (width - 1) * spacing, height * buttonHeight + (height - 1) * spacing);
            list.push_back({uint16_t(row), uint16_t(col), uint16_t(height), uint16_t(width), rect});
        }
    }
    largeButtonsBuilt[index] = true;
    return list;
}

const AdvancedKeyboard::LargeButton* AdvancedKeyboard::largeButtonAt(int row, int col) const
{
    int mainRow = row - FunctionRows;
    for (const LargeButton& button : largeButtons(rpn, shifted)) {
        if (mainRow >= button.row && mainRow < button.row + button.height && col >= button.col &&
            col < button.col + button.width)
            return &button;
    }
    return nullptr;
}

bool AdvancedKeyboard::getRowCol(int x, int y, int& row, int& col)
{
    if (!Keyboard::getRowCol(x, y, row, col))
        return false;
    if (const LargeButton* button = largeButtonAt(row, col)) {
        row = button->row + FunctionRows;
        col = button->col;
    }
    return true;
}

bool AdvancedKeyboard::startsKey(int row, int col) const
{
    if (!Keyboard::startsKey(row, col))
        return false;
    const LargeButton* button = largeButtonAt(row, col);
    return !button || (button->row + FunctionRows == row && button->col == col);
}

QRect AdvancedKeyboard::buttonRect(int row, int col) const
{
    if (const LargeButton* button = largeButtonAt(row, col))
        return button->rect.translated(left, top + FunctionRows * (buttonHeight + spacing));
    return Keyboard::buttonRect(row, col);
}

const QPixmap& AdvancedKeyboard::functionPicture(int functionIndex, bool shiftedMap)
{
    static const QPixmap none;
    if (functionIndex < 0 || functionIndex >= FunctionCount)
        return none;
    int index = functionIndex * 2 + (shiftedMap ? 1 : 0);
    bool integer = IntegerFunctions();
    QPixmap& picture = functionPictures[index];
    if (!picture.isNull() && functionPictureInteger[index] == integer && !staleRatio(picture))
        return picture;
    picture = makePicture(QSize(KeypadCols * (buttonWidth + spacing), FunctionRows * (buttonHeight + spacing)));
    functionPictureInteger[index] = integer;
    QPainter painter(&picture);
    for (int row = 1; row <= FunctionRows; ++row) {
        for (int col = 1; col <= KeypadCols; ++col) {
            KeyOp code = FunctionKey(functionIndex, shiftedMap, row, col);
            QRect cell((col - 1) * (buttonWidth + spacing) + 1, (row - 1) * (buttonHeight + spacing) + 1,
                       buttonWidth, buttonHeight);
            drawButton(painter, cell, code, shiftedMap && code == KeyShift);
        }
    }
    return picture;
}

const QPixmap& AdvancedKeyboard::mainPicture(bool rpnMap, bool shiftedMap)
{
    // Integer mode changes the faces of the arithmetic keys.
    bool integer = IntegerFunctions();
    if (integer != mainPicturesInteger) {
        discardMainPictures();
        mainPicturesInteger = integer;
    }
    int index = mainIndex(rpnMap, shiftedMap);
    QPixmap& picture = mainPictures[index];
    if (!picture.isNull() && !staleRatio(picture))
        return picture;
    const std::vector<LargeButton>& large = largeButtons(rpnMap, shiftedMap);
    const MainMap& map = *MainKeys[index];
    picture = makePicture(QSize(KeypadCols * (buttonWidth + spacing), MainRows * (buttonHeight + spacing)));
    QPainter painter(&picture);
    for (int row = 1; row <= MainRows; ++row) {
        for (int col = 1; col <= KeypadCols; ++col) {
            const LargeButton* cover = nullptr;
            for (const LargeButton& candidate : large) {
                if (row >= candidate.row && row < candidate.row + candidate.height && col >= candidate.col &&
                    col < candidate.col + candidate.width)
                    cover = &candidate;
            }
            KeyOp code = map[row - 1][col - 1];
            bool sunken = shiftedMap && code == KeyShift;
            if (cover) {
                if (cover->row == row && cover->col == col)
                    drawButton(painter, cover->rect, code, sunken);
                continue;
            }
            QRect cell((col - 1) * (buttonWidth + spacing) + 1, (row - 1) * (buttonHeight + spacing) + 1,
                       buttonWidth, buttonHeight);
            drawButton(painter, cell, code, sunken);
        }
    }
    return picture;
}

void AdvancedKeyboard::prepareBitmaps()
{
    if (buttonWidth <= 0 || buttonHeight <= 0)
        return;
    for (bool shiftedMap : {false, true}) {
        functionPicture(function, shiftedMap);
        mainPicture(rpn, shiftedMap);
    }
}

void AdvancedKeyboard::drawKeyboard()
{
    QPainter* painter = activePainter();
    if (!painter) {
        update();
        return;
    }
    if (buttonWidth <= 0 || buttonHeight <= 0)
        return;
    painter->drawPixmap(left, top, functionPicture(function, shifted));
    painter->drawPixmap(left, top + FunctionRows * (buttonHeight + spacing), mainPicture(rpn, shifted));
}
