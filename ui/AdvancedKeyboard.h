// SPDX-License-Identifier: GPL-3.0-or-later
// The main keypad: 7 rows of 6 keys.  Rows 1-2 follow the selected
// function, rows 3-7 the input style; a code filling neighbouring cells of
// the main grid is drawn and hit as one large button.
#pragma once

#include "Keyboard.h"

#include <QPixmap>
#include <QRect>

#include <vector>

// The keypad's share of the main window's height, against the display's.
constexpr int KeypadStretch = 84;

class AdvancedKeyboard : public Keyboard {
    Q_OBJECT

public:
    explicit AdvancedKeyboard(QWidget* parent = nullptr);

    // A button covering more than one cell of a main map.  Row and column
    // count within the main grid (1 = keypad row 3); the rectangle is in
    // the coordinates of the main-grid picture.
    struct LargeButton {
        uint16_t row;
        uint16_t col;
        uint16_t height;
        uint16_t width;
        QRect rect;
    };

    void rebuildBitmaps() override;
    void drawKeyboard() override;
    KeyOp getKey(int row, int col, bool shifted) override;
    bool getRowCol(int x, int y, int& row, int& col) override;
    bool startsKey(int row, int col) const override;
    QSize sizeHint() const override;

    // Builds the pictures of the current function and input style in both
    // shift states, which painting otherwise builds when first needed.
    void prepareBitmaps();

    // The large buttons of the main map for the given input style and shift.
    const std::vector<LargeButton>& largeButtons(bool rpnMap, bool shiftedMap) const;

protected:
    QRect buttonRect(int row, int col) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QPixmap& functionPicture(int function, bool shiftedMap);
    const QPixmap& mainPicture(bool rpnMap, bool shiftedMap);
    const LargeButton* largeButtonAt(int row, int col) const;
    void discardMainPictures();

    QPixmap functionPictures[14];
    bool functionPictureInteger[14] = {};
    QPixmap mainPictures[4];
    // Built on first use, also by the const hit test.
    mutable std::vector<LargeButton> largeButtonLists[4];
    mutable bool largeButtonsBuilt[4] = {};
    bool mainPicturesInteger = false;
};
