// SPDX-License-Identifier: GPL-3.0-or-later
// The main keypad: geometry, hit testing, taps and their signals, and what
// the keys look like.
#include "core/State.h"
#include "engine/Reset.h"
#include "ui/AdvancedKeyboard.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QPoint cellCentre(const Keyboard& keypad, int row, int col)
{
    return QPoint(keypad.getLeft() + (col - 1) * (keypad.getButtonWidth() + 2) + 1 + keypad.getButtonWidth() / 2,
                  keypad.getTop() + (row - 1) * (keypad.getButtonHeight() + 2) + 1 + keypad.getButtonHeight() / 2);
}

QRect cellRect(const Keyboard& keypad, int row, int col)
{
    return QRect(keypad.getLeft() + (col - 1) * (keypad.getButtonWidth() + 2) + 1,
                 keypad.getTop() + (row - 1) * (keypad.getButtonHeight() + 2) + 1, keypad.getButtonWidth(),
                 keypad.getButtonHeight());
}

void tap(QWidget* widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Moves the pen with the button held.
void drag(QWidget* widget, QPoint pos)
{
    QTest::mouseMove(widget, pos);
}

QImage grabKeypad(QWidget& keypad)
{
    return keypad.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int textPixels(const QPixmap& button, const QColor& text)
{
    QImage image = button.toImage();
    int count = 0;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x)
            count += image.pixelColor(x, y) == text;
    }
    return count;
}

} // namespace

class KeypadTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ResetCalculator();
    }

    void geometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("buttonWidth");
        QTest::addColumn<int>("buttonHeight");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("exact") << QSize(240, 280) << 38 << 38 << 0 << 0;
        QTest::newRow("spare pixels") << QSize(245, 290) << 38 << 39 << 2 << 1;
        // Never smaller than keys of 36 x 28.
        QTest::newRow("below the minimum") << QSize(100, 100) << 36 << 28 << 0 << 0;
    }

    void geometry()
    {
        QFETCH(QSize, size);
        AdvancedKeyboard keypad;
        keypad.resize(size);
        keypad.show();
        QCOMPARE(keypad.getRows(), 7);
        QCOMPARE(keypad.getCols(), 6);
        QCOMPARE(keypad.getSpacing(), 2);
        QTEST(keypad.getButtonWidth(), "buttonWidth");
        QTEST(keypad.getButtonHeight(), "buttonHeight");
        QTEST(keypad.getLeft(), "left");
        QTEST(keypad.getTop(), "top");
    }

    void hitTesting()
    {
        AdvancedKeyboard keypad;
        keypad.setRpn(true);
        keypad.resize(245, 290);
        keypad.show();
        int row, col;
        for (int r = 1; r <= 5; ++r) {
            for (int c = 1; c <= 6; ++c) {
                QPoint centre = cellCentre(keypad, r, c);
                QVERIFY(keypad.getRowCol(centre.x(), centre.y(), row, col));
                QCOMPARE(row, r);
                QCOMPARE(col, c);
            }
        }
        // Both halves of the tall ENTER key, and the gap between them, hit
        // its top cell.
        QRect lower = cellRect(keypad, 7, 2);
        for (QPoint p : {cellCentre(keypad, 6, 2), cellCentre(keypad, 7, 2), lower.topLeft() - QPoint(0, 1)}) {
            QVERIFY(keypad.getRowCol(p.x(), p.y(), row, col));
            QCOMPARE(row, 6);
            QCOMPARE(col, 2);
        }
        // The margin around the grid and positions outside the widget hit nothing.
        QVERIFY(!keypad.getRowCol(0, 100, row, col));
        QCOMPARE(row, 0);
        QCOMPARE(col, 0);
        QVERIFY(!keypad.getRowCol(100, 289, row, col));
        QVERIFY(!keypad.getRowCol(-1, 100, row, col));
        QVERIFY(!keypad.getRowCol(100, 400, row, col));
    }

    void tapsEmitTheirCodeOnce_data()
    {
        QTest::addColumn<bool>("rpn");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("code");
        QTest::newRow("digit 7") << false << 4 << 3 << int(KeyDigit7);
        QTest::newRow("percent total") << false << 1 << 1 << int(KeyPercentTotal);
        QTest::newRow("equals") << false << 7 << 5 << int(KeyEquals);
        QTest::newRow("enter, upper half") << true << 6 << 2 << int(KeyEnter);
        QTest::newRow("enter, lower half") << true << 7 << 2 << int(KeyEnter);
    }

    void tapsEmitTheirCodeOnce()
    {
        QFETCH(bool, rpn);
        QFETCH(int, row);
        QFETCH(int, col);
        AdvancedKeyboard keypad;
        keypad.setRpn(rpn);
        keypad.resize(240, 280);
        keypad.show();
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        QPoint centre = cellCentre(keypad, row, col);
        QTest::mousePress(&keypad, Qt::LeftButton, {}, centre);
        QVERIFY(keypad.getPressed());
        QVERIFY(keypad.getHighlightedRow() != 0);
        QCOMPARE(spy.count(), 0);
        QTest::mouseRelease(&keypad, Qt::LeftButton, {}, centre);
        QCOMPARE(spy.count(), 1);
        QTEST(int(spy.at(0).at(0).value<KeyOp>()), "code");
        QCOMPARE(keypad.getHighlightedRow(), 0);
        QCOMPARE(keypad.getHighlightedCol(), 0);
        QVERIFY(!keypad.getPressed());
    }

    void tallKeySinksWhole()
    {
        AdvancedKeyboard keypad;
        keypad.setRpn(true);
        keypad.resize(240, 280);
        keypad.show();
        QImage raised = grabKeypad(keypad);
        QTest::mousePress(&keypad, Qt::LeftButton, {}, cellCentre(keypad, 7, 2));
        QCOMPARE(keypad.getHighlightedRow(), 6);
        QCOMPARE(keypad.getHighlightedCol(), 2);
        QImage sunken = grabKeypad(keypad);
        // The whole tall key is redrawn, its top edge in the dark shade.
        QRect upper = cellRect(keypad, 6, 2);
        QRect lower = cellRect(keypad, 7, 2);
        QColor dark = keypad.getButtonColor(StyleRegister).dark;
        QCOMPARE(sunken.pixelColor(upper.left() + 5, upper.top()), dark);
        QCOMPARE(sunken.pixelColor(upper.left(), lower.bottom() - 5), dark);
        QCOMPARE(sunken.pixelColor(upper.left() + 1, upper.bottom() + 1),
                 keypad.getButtonColor(StyleRegister).background);
        QVERIFY(raised.copy(cellRect(keypad, 6, 1)) == sunken.copy(cellRect(keypad, 6, 1)));
        QTest::mouseRelease(&keypad, Qt::LeftButton, {}, cellCentre(keypad, 7, 2));
        QVERIFY(grabKeypad(keypad) == raised);
    }

    void slideOffAndBack()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        QPoint five = cellCentre(keypad, 5, 4);
        QPoint six = cellCentre(keypad, 5, 5);
        QTest::mousePress(&keypad, Qt::LeftButton, {}, five);
        drag(&keypad, six);
        QCOMPARE(keypad.getHighlightedRow(), 0);
        drag(&keypad, five);
        QCOMPARE(keypad.getHighlightedRow(), 5);
        QCOMPARE(keypad.getHighlightedCol(), 4);
        QTest::mouseRelease(&keypad, Qt::LeftButton, {}, five);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<KeyOp>(), KeyDigit5);

        // Released on another key: nothing, and nothing left sunken.
        QTest::mousePress(&keypad, Qt::LeftButton, {}, five);
        drag(&keypad, six);
        QTest::mouseRelease(&keypad, Qt::LeftButton, {}, six);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(keypad.getHighlightedRow(), 0);
        QCOMPARE(keypad.getHighlightedCol(), 0);
        QVERIFY(!keypad.getPressed());
    }

    void stickyHighlight()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        keypad.setSticky(true);
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        tap(&keypad, cellCentre(keypad, 1, 3));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(keypad.getHighlightedRow(), 1);
        QCOMPARE(keypad.getHighlightedCol(), 3);
        tap(&keypad, cellCentre(keypad, 2, 4));
        QCOMPARE(keypad.getHighlightedRow(), 2);
        QCOMPARE(keypad.getHighlightedCol(), 4);
        keypad.setShifted(true);
        QCOMPARE(keypad.getHighlightedRow(), 0);
        QCOMPARE(keypad.getHighlightedCol(), 0);
    }

    void inactiveIgnoresThePen()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        keypad.setActive(false);
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        tap(&keypad, cellCentre(keypad, 4, 3));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(keypad.getHighlightedRow(), 0);
    }

    void shiftedMapsAndShiftKey()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        keypad.setShifted(true);
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        tap(&keypad, cellCentre(keypad, 3, 1));
        tap(&keypad, cellCentre(keypad, 3, 3));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).value<KeyOp>(), KeyClearAll);
        QCOMPARE(spy.at(1).at(0).value<KeyOp>(), KeyShift);
        QCOMPARE(keypad.getHighlightedRow(), 0);
        // The shifted picture shows the shift key sunken.
        QImage image = grabKeypad(keypad);
        QRect shiftKey = cellRect(keypad, 3, 3);
        QCOMPARE(image.pixelColor(shiftKey.left() + 5, shiftKey.top()), keypad.getButtonColor(StyleStandard).dark);
    }

    void emptyUserCellEmitsNothing()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        keypad.setFunction(FunctionUser);
        UnPrefs.setFunction(FunctionUser);
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        tap(&keypad, cellCentre(keypad, 1, 1));
        QCOMPARE(spy.count(), 0);
        QImage image = grabKeypad(keypad);
        QPixmap cell = QPixmap::fromImage(image.copy(cellRect(keypad, 1, 1)));
        QCOMPARE(textPixels(cell, keypad.getButtonColor(StyleStandard).text), 0);
    }

    void functionChangesOnlyTheFunctionRows()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        int split = keypad.getTop() + 2 * (keypad.getButtonHeight() + 2);
        QImage standard = grabKeypad(keypad);
        keypad.setFunction(FunctionScientific);
        keypad.update();
        QImage scientific = grabKeypad(keypad);
        QVERIFY(standard.copy(0, 0, 240, split) != scientific.copy(0, 0, 240, split));
        QVERIFY(standard.copy(0, split, 240, 280 - split) == scientific.copy(0, split, 240, 280 - split));
        keypad.setRpn(true);
        QImage rpn = grabKeypad(keypad);
        QVERIFY(rpn.copy(0, 0, 240, split) == scientific.copy(0, 0, 240, split));
        QVERIFY(rpn.copy(0, split, 240, 280 - split) != scientific.copy(0, split, 240, 280 - split));
    }

    void integerModeRedrawsTheMainGrid()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        QRect add = cellRect(keypad, 7, 6);
        QImage decimal = grabKeypad(keypad);
        // The engine enters integer mode; the keypad is only told the function.
        UnPrefs.setFunction(FunctionProgrammer);
        keypad.setFunction(FunctionProgrammer);
        QImage integer = grabKeypad(keypad);
        QVERIFY(decimal.copy(add) != integer.copy(add));
        QPixmap expected(add.size());
        keypad.drawButtonBitmap(expected, KeyIntAdd, false);
        QVERIFY(integer.copy(add) == expected.toImage().convertToFormat(QImage::Format_RGB32));
        // The digits keep their faces.
        QRect seven = cellRect(keypad, 4, 3);
        QVERIFY(decimal.copy(seven) == integer.copy(seven));
    }

    void commaRadixShowsCommaButSendsPoint()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        keypad.setCommaRadix(true);
        QRect point = cellRect(keypad, 7, 4);
        QImage image = grabKeypad(keypad);
        QPixmap comma(point.size());
        keypad.setCommaRadix(false);
        keypad.drawButtonBitmap(comma, KeyComma, false);
        QVERIFY(image.copy(point) == comma.toImage().convertToFormat(QImage::Format_RGB32));
        QPixmap plain(point.size());
        keypad.drawButtonBitmap(plain, KeyPoint, false);
        QVERIFY(comma.toImage() != plain.toImage());
        keypad.setCommaRadix(true);
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        tap(&keypad, cellCentre(keypad, 7, 4));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<KeyOp>(), KeyPoint);
    }

    void codesWithoutLegendDrawBlank()
    {
        AdvancedKeyboard keypad;
        QPixmap button(40, 24);
        for (KeyOp code : {KeyNoOp, KeyNone}) {
            keypad.drawButtonBitmap(button, code, false);
            QCOMPARE(textPixels(button, keypad.getButtonColor(StyleStandard).text), 0);
        }
        keypad.drawButtonBitmap(button, KeyFormatFixed, false);
        QVERIFY(textPixels(button, keypad.getButtonColor(StyleStandard).text) > 0);
    }

    void bevelAndColours()
    {
        AdvancedKeyboard keypad;
        QPixmap button(30, 20);
        for (bool highlighted : {false, true}) {
            keypad.drawButtonBitmap(button, KeyClearX, highlighted);
            QImage image = button.toImage();
            const ButtonColor& colors = keypad.getButtonColor(StyleClear);
            QColor topLeft = highlighted ? colors.dark : colors.light;
            QColor bottomRight = highlighted ? colors.light : colors.dark;
            QCOMPARE(image.pixelColor(15, 0), topLeft);
            QCOMPARE(image.pixelColor(0, 10), topLeft);
            QCOMPARE(image.pixelColor(29, 10), bottomRight);
            QCOMPARE(image.pixelColor(15, 19), bottomRight);
            QCOMPARE(image.pixelColor(2, 2), colors.background);
        }
    }

    void keyStyles()
    {
        const std::pair<KeyOp, ButtonStyle> cases[] = {
            {KeyDigit0, StyleNumber}, {KeyHexF, StyleNumber}, {KeyComma, StyleNumber},
            {KeyExponent, StyleStandard}, {KeyEnter, StyleRegister}, {KeyEquals, StyleRegister},
            {KeyShift, StyleStandard}, {KeyClearAll, StyleClear}, {KeyClearStatistics, StyleClear},
            {KeyRollDown, StyleRegister}, {KeyMemoryRecall, StyleRegister}, {KeyPercentTotal, StyleStandard},
            {KeyIntAdd, StyleStandard}, {KeyNone, StyleStandard},
        };
        for (auto [code, style] : cases)
            QCOMPARE(KeyButtonStyle(code), style);
    }

    void colourTableRecolours()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        ColorTable table;
        table.init();
        table.setColor(NumberBackground, 10, 200, 30);
        keypad.setColorTable(&table);
        QImage image = grabKeypad(keypad);
        QRect seven = cellRect(keypad, 4, 3);
        QCOMPARE(image.pixelColor(seven.left() + 2, seven.top() + 2), QColor(10, 200, 30));
    }
};

QTEST_MAIN(KeypadTest)
#include "test_keypad.moc"
