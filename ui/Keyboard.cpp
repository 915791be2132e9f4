#include "Keyboard.h"

#include "Images.h"

#include "engine/Programmer.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Glyph cells of the two sheets; ten glyphs per sheet row.
constexpr int GlyphWidth = 19;
constexpr int GlyphHeight = 11;
constexpr int HiresGlyphWidth = 33;
constexpr int HiresGlyphHeight = 17;
constexpr int GlyphsPerRow = 10;

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
    : QWidget(parent),
      glyphs(LoadBitmap("tovrin/glyphs")),
      glyphsHires(LoadBitmap("tovrin/glyphs-hires"))
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
    QRect rect = buttonRect(row, col);
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    QPixmap button(rect.size());
    drawButtonBitmap(button, getKey(row, col, shifted), true);
    target.drawPixmap(rect.topLeft(), button);
}

KeyOp Keyboard::faceCode(KeyOp code) const
{
    if (code == KeyPoint && commaRadix)
        code = KeyComma;
    if (IntegerFunctions())
        code = IntegerKey(code);
    return code;
}

bool Keyboard::usesHiresGlyphs(int width, int height)
{
    // The large cell must fit with two pixels to spare on every side.
    return width - 4 >= HiresGlyphWidth && height - 4 >= HiresGlyphHeight;
}

void Keyboard::drawButtonBitmap(QPixmap& target, KeyOp code, bool highlighted)
{
    int w = target.width();
    int h = target.height();
    if (w <= 0 || h <= 0)
        return;
    code = faceCode(code);
    const ButtonColor& colors = buttonColors[KeyButtonStyle(code)];

    QPainter p(&target);
    p.setPen(highlighted ? colors.dark : colors.light);
    p.drawLine(1, 0, w - 2, 0);
    p.drawLine(0, 1, 0, h - 2);
    p.setPen(highlighted ? colors.light : colors.dark);
    p.drawLine(w - 1, 1, w - 1, h - 2);
    p.drawLine(1, h - 1, w - 2, h - 1);
    p.fillRect(1, 1, w - 2, h - 2, colors.background);
    // The four corner pixels belong to the background around the key.
    QColor around = palette().color(QPalette::Window);
    p.setPen(around);
    p.drawPoint(0, 0);
    p.drawPoint(w - 1, 0);
    p.drawPoint(0, h - 1);
    p.drawPoint(w - 1, h - 1);

    if (code == KeyNone)
        return;
    bool hires = usesHiresGlyphs(w, h);
    const QBitmap& sheet = hires ? glyphsHires : glyphs;
    int cellWidth = hires ? HiresGlyphWidth : GlyphWidth;
    int cellHeight = hires ? HiresGlyphHeight : GlyphHeight;
    QRect cell(int(code) % GlyphsPerRow * cellWidth, int(code) / GlyphsPerRow * cellHeight, cellWidth, cellHeight);
    // A missing sheet, or a code without a glyph on it, leaves the key blank.
    if (sheet.isNull() || !sheet.rect().contains(cell))
        return;
    int x = (w - cellWidth) / 2 - (highlighted ? 1 : 0);
    int y = (h - cellHeight) / 2 - (highlighted ? 1 : 0);
    // A bitmap draws its set pixels in the pen colour and leaves the rest.
    p.setPen(colors.text);
    p.setBackgroundMode(Qt::TransparentMode);
    p.drawPixmap(QPoint(x, y), sheet, cell);
}
