// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every on-screen keypad: a grid of equal buttons that turns
// taps into key operation codes.
#pragma once

#include "ButtonColor.h"

#include "core/KeyOp.h"
#include "core/State.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <cstdint>

class QPainter;

// The colour style a key face is drawn in.
ButtonStyle KeyButtonStyle(KeyOp code);

// The smallest key that is still easy to hit and read, in pixels.
constexpr int MinimumKeyWidth = 36;
constexpr int MinimumKeyHeight = 28;

class Keyboard : public QWidget {
    Q_OBJECT

public:
    explicit Keyboard(QWidget* parent = nullptr);

    // Properties.  Changing rpn or commaRadix rebuilds the pictures; the
    // others only store the value and the owner repaints.
    void setRpn(bool on);
    bool getRpn() const { return rpn; }
    void setCommaRadix(bool on);
    bool getCommaRadix() const { return commaRadix; }
    void setLandscape(bool on) { landscape = on; }
    bool getLandscape() const { return landscape; }
    void setFunction(int value) { function = value; }
    int getFunction() const { return function; }
    // With sticky set, changing the shift state clears the highlight first.
    void setShifted(bool on);
    bool getShifted() const { return shifted; }
    void setActive(bool on) { active = on; }
    bool getActive() const { return active; }
    void setSticky(bool on) { sticky = on; }
    bool getSticky() const { return sticky; }

    int getRows() const { return rows; }
    int getCols() const { return cols; }
    int getSpacing() const { return spacing; }
    int getButtonWidth() const { return buttonWidth; }
    int getButtonHeight() const { return buttonHeight; }
    int getLeft() const { return left; }
    int getTop() const { return top; }
    bool getPressed() const { return pressed; }
    int getHighlightedRow() const { return highlightedRow; }
    int getHighlightedCol() const { return highlightedCol; }

    // Builds the five key colour sets from the table and rebuilds the pictures.
    void setColorTable(ColorTable* table);
    const ButtonColor& getButtonColor(ButtonStyle style) const { return buttonColors[style]; }

    // Discards the cached pictures.
    virtual void rebuildBitmaps();
    // Paints the whole keypad from the cached pictures.  Outside of a paint
    // event it schedules a repaint instead.
    virtual void drawKeyboard();
    virtual void backgroundColorChange(const QColor& previous);
    virtual void paletteChange(const QPalette& previous);
    virtual void styleChange();

    // The code of a cell (rows and columns from 1); KeyNone when there is none.
    virtual KeyOp getKey(int row, int col, bool shifted);
    // The cell under a widget position; false and 0, 0 outside every button.
    virtual bool getRowCol(int x, int y, int& row, int& col);
    // Draws the cell sunken and the previous one raised again (unless
    // keepPrevious, which leaves it drawn sunken).  Row 0 and column 0
    // highlight nothing.
    virtual void highlightButton(int row, int col, bool keepPrevious);
    void highlightButton(int row, int col) { highlightButton(row, col, false); }

    // The key at a cell in the current shift state, and the widget
    // rectangle of its button (a large button's whole rectangle); an empty
    // rectangle outside the grid.
    KeyOp keyAt(int row, int col) { return getKey(row, col, shifted); }
    QRect keyRect(int row, int col) const;

    // Whether a cell is where a key starts: every cell, except the cells of
    // a large button after its first.
    virtual bool startsKey(int row, int col) const;
    // The cells where keys start, row by row: one per key.
    QList<QPoint> keyCells() const;
    // Presses the key of a cell as a completed tap does: a sticky keypad
    // keeps it selected, and buttonPressed is emitted unless the cell is
    // empty.
    void pressKey(int row, int col);

    // Keyboard focus: the key with the focus ring, at the first cell of its
    // button; 0, 0 = none.  Left and Right move it from key to key,
    // wrapping from row to row, Up and Down from row to row, and Space
    // presses its key.
    void setFocusKey(int row, int col);
    int getFocusRow() const { return focusRow; }
    int getFocusCol() const { return focusCol; }
    // Whether the focus ring shows: the keypad has the focus, reached with
    // Tab.  (A window gives its first widget the focus when it opens; the
    // ring waits for Tab.)
    bool focusRingShown() const { return hasFocus() && ringShown; }

    // Whether tooltips name the keyboard shortcut of each key (the main
    // keypad, which the keyboard types on).
    void setShowsShortcuts(bool on) { showsShortcuts = on; }
    // The tooltip of the key at a cell: its name, its shifted (or
    // unshifted) name and its shortcut.
    QString keyToolTip(int row, int col);

    // Draws one button into the rectangle: the bevel, the face and the
    // legend of the code (after the comma and integer-mode substitutions),
    // raised or sunken.
    void drawButton(QPainter& painter, const QRect& rect, KeyOp code, bool highlighted);
    // The same over the whole of a picture of button size.
    void drawButtonBitmap(QPixmap& target, KeyOp code, bool highlighted);
    // The code whose face a key shows: the comma for the radix point when
    // the comma radix is set, the integer-mode key while integer functions
    // are in force.
    KeyOp faceCode(KeyOp code) const;

signals:
    void buttonPressed(KeyOp key);

protected:
    // The widget rectangle of the button whose top-left cell is (row, col).
    virtual QRect buttonRect(int row, int col) const;
    // The painter of the paint event in progress, or null.
    QPainter* activePainter() const { return painter; }
    // A picture of the logical size for the keypad's screen: built at its
    // device pixel ratio, filled with the window colour.
    QPixmap makePicture(const QSize& size) const;
    // Whether a cached picture was built for another device pixel ratio
    // than the keypad's screen has now.
    bool staleRatio(const QPixmap& picture) const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab leaves the keypad for the next widget that takes the focus; the
    // focus stays when there is none.
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    bool rpn = false;
    bool commaRadix = false;
    bool landscape = false;
    int function = 0;
    bool shifted = false;
    bool active = true;
    bool sticky = false;
    int rows = 0;
    int cols = 0;
    int spacing = 2;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int left = 0;
    int top = 0;
    bool pressed = false;
    uint16_t pressedRow = 0;
    uint16_t pressedCol = 0;
    uint16_t highlightedRow = 0;
    uint16_t highlightedCol = 0;
    ButtonColor buttonColors[ButtonStyleCount];

private:
    void drawSunken(QPainter& painter, int row, int col);
    void drawFocusRing(QPainter& painter);
    void showFocusRing();
    // The first cell of the key above (step -1) or below (step 1) the
    // focus key.
    QPoint keyInRow(int step) const;
    void updateCell(int row, int col);

    // A cell left drawn sunken by highlightButton(..., true), such as the
    // shift key while shift is on; 0, 0 = none.
    uint16_t keptRow = 0;
    uint16_t keptCol = 0;
    int focusRow = 0;
    int focusCol = 0;
    bool ringShown = false;
    bool showsShortcuts = false;
    QPainter* painter = nullptr;
};
