// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: device keys, function selection, display taps, undo and
// redo, copy and paste with its notice, and the Clear All box.
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Programmer.h"
#include "engine/Reset.h"
#include "engine/Stack.h"
#include "engine/Undo.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "format/Format.h"
#include "platform/WindowSystem.h"
#include "ui/CalculatorForm.h"
#include "ui/dialogs/PreferencesDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// A window whose message boxes answer at once and are recorded.
class TestForm : public CalculatorForm {
public:
    struct Box {
        QString caption;
        QString text;
        QStringList buttons;
    };
    QList<Box> boxes;
    int answer = 0;

protected:
    int runMessageBox(QMessageBox::Icon, const QString& caption, const QString& text, const QStringList& buttons,
                      int, int) override
    {
        boxes.append({caption, text, buttons});
        return answer;
    }
};

void Type(QWidget* window, const QString& keys)
{
    for (QChar c : keys)
        QTest::keyClick(window, c.toLatin1());
}

} // namespace

class CalculatorFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    void deviceKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("base");
        QTest::addColumn<bool>("rpn");
        QTest::addColumn<int>("op");
        QTest::newRow("0") << int(Qt::Key_0) << "0" << 0 << false << int(KeyDigit0);
        QTest::newRow("9") << int(Qt::Key_9) << "9" << 0 << false << int(KeyDigit9);
        QTest::newRow("e decimal") << int(Qt::Key_E) << "e" << 0 << false << int(KeyExponent);
        QTest::newRow("E decimal") << int(Qt::Key_E) << "E" << 0 << false << int(KeyExponent);
        QTest::newRow("e hex") << int(Qt::Key_E) << "e" << 3 << false << int(KeyHexE);
        QTest::newRow("E hex") << int(Qt::Key_E) << "E" << 3 << false << int(KeyHexE);
        QTest::newRow("A") << int(Qt::Key_A) << "A" << 0 << false << int(KeyHexA);
        QTest::newRow("f") << int(Qt::Key_F) << "f" << 0 << false << int(KeyHexF);
        QTest::newRow("comma") << int(Qt::Key_Comma) << "," << 0 << false << int(KeyPoint);
        QTest::newRow("point") << int(Qt::Key_Period) << "." << 0 << false << int(KeyPoint);
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << 0 << false << int(KeyBackspace);
        QTest::newRow("delete") << int(Qt::Key_Delete) << "" << 0 << true << int(KeyClear);
        QTest::newRow("return rpn") << int(Qt::Key_Return) << "\r" << 0 << true << int(KeyEnter);
        QTest::newRow("return simple") << int(Qt::Key_Return) << "\r" << 0 << false << int(KeyEquals);
        QTest::newRow("enter rpn") << int(Qt::Key_Enter) << "\r" << 0 << true << int(KeyEnter);
        QTest::newRow("=") << int(Qt::Key_Equal) << "=" << 0 << false << int(KeyEquals);
        QTest::newRow("+") << int(Qt::Key_Plus) << "+" << 0 << false << int(KeyAdd);
        QTest::newRow("-") << int(Qt::Key_Minus) << "-" << 0 << false << int(KeySubtract);
        QTest::newRow("X") << int(Qt::Key_X) << "X" << 0 << false << int(KeyMultiply);
        QTest::newRow("x") << int(Qt::Key_X) << "x" << 0 << false << int(KeyMultiply);
        QTest::newRow("*") << int(Qt::Key_Asterisk) << "*" << 0 << false << int(KeyMultiply);
        QTest::newRow("/") << int(Qt::Key_Slash) << "/" << 0 << false << int(KeyDivide);
        QTest::newRow("%") << int(Qt::Key_Percent) << "%" << 0 << false << int(KeyPercent);
        QTest::newRow("(") << int(Qt::Key_ParenLeft) << "(" << 0 << false << int(KeyOpenParen);
        QTest::newRow(")") << int(Qt::Key_ParenRight) << ")" << 0 << false << int(KeyCloseParen);
        QTest::newRow("s") << int(Qt::Key_S) << "s" << 0 << false << int(KeyStore);
        QTest::newRow("R") << int(Qt::Key_R) << "R" << 0 << false << int(KeyRecall);
        QTest::newRow("g") << int(Qt::Key_G) << "g" << 0 << false << int(KeyNone);
        QTest::newRow("F1") << int(Qt::Key_F1) << "" << 0 << false << int(KeyNone);
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << 0 << false << int(KeyClear);
        QTest::newRow("escape rpn") << int(Qt::Key_Escape) << "\x1b" << 0 << true << int(KeyClear);
        QTest::newRow("F9") << int(Qt::Key_F9) << "" << 0 << false << int(KeyChangeSign);
        QTest::newRow("F2") << int(Qt::Key_F2) << "" << 0 << false << int(KeyShift);
        QTest::newRow("Shift") << int(Qt::Key_Shift) << "" << 0 << false << int(KeyNone);
        QTest::newRow("^") << int(Qt::Key_AsciiCircum) << "^" << 0 << false << int(KeyPower);
        QTest::newRow("! in standard") << int(Qt::Key_Exclam) << "!" << 0 << false << int(KeyNone);
    }

    void deviceKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, base);
        QFETCH(bool, rpn);
        QFETCH(int, op);
        UnPrefs.setBase(unsigned(base));
        Prefs.setRpnInput(rpn);
        QCOMPARE(int(CalculatorForm::MapDeviceKey(key, text)), op);
    }

    void typedSumInSimpleInput()
    {
        TestForm form;
        Type(&form, "12+3");
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(double(UnPrefs.stack[0]), 15.0);
    }

    // The keyboard's additions as typed into the window: the negative
    // exponent in decimal and the minus in hexadecimal, yˣ and x! where the
    // function has them.
    void typedAdditions_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<bool>("hexadecimal");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("x");
        QTest::newRow("negative exponent") << 0 << false << "1e-5=" << 1e-5;
        QTest::newRow("plus takes the minus back") << 0 << false << "12e-+3=" << 12e3;
        QTest::newRow("minus after a digit") << 0 << false << "2e1-5=" << 15.0;
        QTest::newRow("hexadecimal") << int(FunctionProgrammer) << true << "1e-5=" << double(0x1E - 5);
        QTest::newRow("power") << 0 << false << "2^3=" << 8.0;
        QTest::newRow("no power in Financial") << int(FunctionFinancial) << false << "2^3=" << 23.0;
        QTest::newRow("factorial") << int(FunctionStatistical) << false << "5!" << 120.0;
    }

    void typedAdditions()
    {
        QFETCH(int, function);
        QFETCH(bool, hexadecimal);
        QFETCH(QString, typed);
        QFETCH(double, x);
        UnPrefs.setFunction(unsigned(function));
        TestForm form;
        if (hexadecimal)
            form.handleKey(KeyHexadecimal);
        Type(&form, typed);
        QCOMPARE(double(UnPrefs.stack[0]), x);
    }

    // Esc clears, F9 changes the sign, F2 is the calculator's shift; the
    // keyboard's own Shift leaves it alone.
    void namedKeys()
    {
        TestForm form;
        Type(&form, "5");
        QTest::keyClick(&form, Qt::Key_F9);
        QCOMPARE(double(UnPrefs.stack[0]), -5.0);
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(double(UnPrefs.stack[0]), 0.0);
        QTest::keyClick(&form, Qt::Key_Shift);
        QVERIFY(!UnPrefs.shift());
        QTest::keyClick(&form, Qt::Key_F2);
        QVERIFY(UnPrefs.shift());
        QVERIFY(form.keyboard()->getShifted());
    }

    void upAndDownSelectFunctions()
    {
        TestForm form;
        QTest::keyClick(&form, Qt::Key_Up);
        QCOMPARE(UnPrefs.function(), 6u);
        QCOMPARE(form.keyboard()->getFunction(), 6);
        QCOMPARE(form.functionBox()->currentIndex(), 6);
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(UnPrefs.function(), 0u);
        QCOMPARE(form.keyboard()->getFunction(), 0);
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(UnPrefs.function(), 1u);
    }

    // A damaged settings file may hold a function number up to 15.
    void functionBeyondTheSevenStartsInStandard()
    {
        Prefs.setQuickSwitch(true);
        UnPrefs.setFunction(9);
        TestForm form;
        QCOMPARE(UnPrefs.function(), unsigned(FunctionStandard));
        QVERIFY(form.functionAction(FunctionStandard)->isChecked());
    }

    void quickSwitchFollowsFunction()
    {
        Prefs.setQuickSwitch(true);
        UnPrefs.setFunction(FunctionProgrammer);
        TestForm form;
        QVERIFY(form.quickSwitchBar());
        QVERIFY(form.functionAction(FunctionProgrammer)->isChecked());
        // A line of its own, so that no icon hides in the overflow menu.
        QVERIFY(form.toolBarBreak(form.quickSwitchBar()));
        form.functionAction(FunctionConversion)->trigger();
        QCOMPARE(UnPrefs.function(), unsigned(FunctionConversion));
        form.showQuickSwitch(false);
        QCOMPARE(form.functionBox()->currentIndex(), int(FunctionConversion));
        QVERIFY(form.quickSwitchBar()->isHidden());
    }

    void displayTapThirds_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<unsigned>("action");
        QTest::newRow("left") << 10 << 0u;
        QTest::newRow("middle at 80") << 80 << 3u;
        QTest::newRow("middle") << 120 << 3u;
        QTest::newRow("right") << 200 << 4u;
    }

    void displayTapThirds()
    {
        QFETCH(int, x);
        QFETCH(unsigned, action);
        Prefs.setLeftTapAction(0);
        Prefs.setCenterTapAction(3);
        Prefs.setRightTapAction(4);
        QCOMPARE(CalculatorForm::DisplayTapAction(x, 240), action);
    }

    // A click on the display does nothing after a first start; a stored
    // action keeps what it meant, the Preferences included, which open as
    // a window beside the calculator.
    void displayClicks_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("opened");
        QTest::newRow("first start") << -1 << "";
        QTest::newRow("stored Preferences") << 0 << "Preferences";
        QTest::newRow("stored RPN Stack") << 3 << "RPN Stack";
        QTest::newRow("stored Nothing") << 6 << "";
        QTest::newRow("damaged") << 7 << "Preferences";
    }

    void displayClicks()
    {
        QFETCH(int, stored);
        QFETCH(QString, opened);
        if (stored >= 0)
            Prefs.setLeftTapAction(unsigned(stored));
        TestForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.display(), Qt::LeftButton, {}, QPoint(5, 5));
        QStringList shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &form && window->isVisible())
                shown << window->windowTitle();
        QCOMPARE(shown.join(','), opened);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        if (PreferencesDialog* preferences = form.preferencesDialog())
            preferences->close();
    }

    // A double click selects the display's number for copying; the next
    // key ends the selection.
    void doubleClickSelectsTheNumber()
    {
        TestForm form;
        form.show();
        Type(&form, "1234.5=");
        QSignalSpy taps(form.display(), &Display::displayTapped);
        QTest::mouseClick(form.display(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(form.display(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(form.display(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(taps.count(), 1);
        QVERIFY(form.display()->getNumberSelected());
        if (QApplication::clipboard()->supportsSelection())
            QCOMPARE(QApplication::clipboard()->text(QClipboard::Selection), QString("1234.5"));
        Type(&form, "+");
        QVERIFY(!form.display()->getNumberSelected());
    }

    // Nothing to undo or redo: the notice line says so, no box takes the
    // keys, and the keys typed next count.
    void nothingToUndoOrRedo_data()
    {
        QTest::addColumn<bool>("redo");
        QTest::addColumn<QString>("notice");
        QTest::newRow("undo") << false << "Nothing to undo.";
        QTest::newRow("redo") << true << "Nothing to redo.";
    }

    void nothingToUndoOrRedo()
    {
        QFETCH(bool, redo);
        QFETCH(QString, notice);
        CalculatorForm form;
        form.show();
        QTest::keyClick(&form, redo ? Qt::Key_Y : Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(form.notice()->isVisible());
        QCOMPARE(form.notice()->text(), notice);
        QVERIFY(!(redo ? form.redoAction() : form.undoAction())->isEnabled());
        Type(&form, "5+5=");
        QCOMPARE(double(UnPrefs.stack[0]), 10.0);
        QVERIFY(form.notice()->isHidden());
    }

    void undoAndRedoKeys()
    {
        TestForm form;
        Type(&form, "5");
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(double(UnPrefs.stack[0]), 0.0);
        QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(double(UnPrefs.stack[0]), 5.0);
        QVERIFY(form.boxes.isEmpty());
    }

    // Undo and Redo are greyed out while there is nothing to take; the
    // shortcut of a greyed item still says so.
    void undoAndRedoGreyed()
    {
        TestForm form;
        auto enabled = [&form] {
            return QPair<bool, bool>(form.undoAction()->isEnabled(), form.redoAction()->isEnabled());
        };
        QCOMPARE(enabled(), qMakePair(false, false));
        Type(&form, "5+");
        QCOMPARE(enabled(), qMakePair(true, false));
        form.undoAction()->trigger();
        form.undoAction()->trigger();
        QCOMPARE(enabled(), qMakePair(false, true));
        form.redoAction()->trigger();
        QCOMPARE(enabled(), qMakePair(true, true));
        QVERIFY(form.boxes.isEmpty());
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(enabled(), qMakePair(false, true));
        QVERIFY(form.boxes.isEmpty());
        QCOMPARE(form.notice()->text(), QString("Nothing to undo."));
    }

    // Quit ends the event loop with code 0, on which the calculator saves
    // as at any quit.
    void quitEndsTheLoopToSave()
    {
        TestForm form;
        QCOMPARE(form.quitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        safety.start(5000);
        QTimer::singleShot(0, form.quitAction(), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    // A right click on the display offers Copy and Paste and is no tap.
    void rightClickOnTheDisplay()
    {
        TestForm form;
        QSignalSpy taps(form.display(), &Display::displayTapped);
        QTest::mouseClick(form.display(), Qt::RightButton);
        QCOMPARE(taps.count(), 0);
        QCOMPARE(form.display()->contextMenuPolicy(), Qt::ActionsContextMenu);
        QStringList items;
        for (QAction* action : form.display()->actions())
            items << action->text().remove(QLatin1Char('&')) + QLatin1Char(' ') + action->shortcut().toString();
        QCOMPARE(items, QStringList({"Copy Ctrl+C", "Paste Ctrl+V"}));
    }

    void clipboardRoundTrips_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("copied");
        QTest::newRow("negative decimal") << 0 << false << -2.5 << "-2.5";
        QTest::newRow("fraction") << 0 << false << 0.5 << "0.5";
        QTest::newRow("large decimal") << 0 << false << 1234567.5 << "1234567.5";
        QTest::newRow("comma radix") << 0 << true << 1234567.5 << "1234567,5";
        QTest::newRow("hex word") << 3 << false << double(0x12345) << "00012345";
        QTest::newRow("hex minus one") << 3 << false << -1.0 << "FFFFFFFF";
        QTest::newRow("hex zero") << 3 << true << 0.0 << "0";
        QTest::newRow("binary word") << 1 << false << double(0x12345) << "000000010010001101000101";
        QTest::newRow("binary minus one") << 1 << false << -1.0 << "11111111111111111111111111111111";
        QTest::newRow("binary short") << 1 << false << 300.0 << "0000000100101100";
        QTest::newRow("binary zero") << 1 << false << 0.0 << "0";
        QTest::newRow("octal") << 2 << true << 511.0 << "777";
    }

    // What copy puts on the clipboard: the radix mark of the preferences,
    // no grouping in any base; pasted, it gives the same value.
    void clipboardRoundTrips()
    {
        QFETCH(int, base);
        QFETCH(bool, comma);
        QFETCH(double, value);
        QFETCH(QString, copied);
        UnPrefs.setFunction(FunctionProgrammer);
        UnPrefs.setBase(unsigned(base));
        Prefs.setCommaRadix(comma);
        StoreX(value);
        TestForm form;
        form.copy();
        QCOMPARE(QApplication::clipboard()->text(), copied);
        StoreX(0);
        form.paste();
        QCOMPARE(double(UnPrefs.stack[0]), value);
    }

    // Copy then paste gives back X as shown, in every format, base, word
    // and radix setting; in the integer bases and with all digits shown,
    // exactly.
    void copyPasteRoundTripEverywhere()
    {
        const double values[] = {0, -2.5, 0.1, 1234567.5, -1e-5, 6.02214076e23, 255, -32768, 4294967295.0};
        const unsigned formats[][2] = {
            {FormatGeneral, 0}, {FormatFixed, 3}, {FormatScientific, 4}, {FormatEngineering, 0}};
        TestForm form;
        for (int setting = 0; setting < 2 * 4 * 4 * 6; ++setting) {
            for (double value : values) {
                ResetCalculator();
                Prefs.setCommaRadix(setting % 2);
                Prefs.setDisplayFormat(formats[setting / 2 % 4][0]);
                Prefs.setDigits(formats[setting / 2 % 4][1]);
                UnPrefs.setFunction(FunctionProgrammer);
                UnPrefs.setBase(unsigned(setting / 8 % 4));
                Prefs.setIntegerSize(unsigned(setting / 32));
                StoreX(value);
                if (UnPrefs.base() != BaseDecimal)
                    IntegerConvertX(0); // the value as that base and word hold it
                const double x = UnPrefs.stack[0];
                char shown[FormatBufferSize], again[FormatBufferSize];
                FormatNumber(x, UnPrefs.stackLabel[0], shown, false);
                form.copy();
                form.paste();
                FormatNumber(UnPrefs.stack[0], UnPrefs.stackLabel[0], again, false);
                const QByteArray where = QStringLiteral("setting %1 value %2 copied %3")
                                             .arg(setting).arg(value).arg(QApplication::clipboard()->text()).toUtf8();
                QVERIFY2(form.notice()->isHidden() && QByteArray(shown) == QByteArray(again), where.constData());
                if (UnPrefs.base() != BaseDecimal || Prefs.displayFormat() == FormatGeneral)
                    QVERIFY2(double(UnPrefs.stack[0]) == x, where.constData());
            }
        }
    }

    // The notice lies inside the display, never over a key, with texts of
    // every length at the smallest and the usual size, in one or two
    // display lines.
    void noticeKeepsOffTheKeys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("twoLines");
        const QString english = "Not pasted: the clipboard holds no single number.";
        const QString german = "Nicht eingefügt: Die Zwischenablage enthält nicht genau eine Zahl, sondern etwas "
                               "anderes, das sich nicht als Zahl lesen lässt.";
        const QString french = "Rien n’a été collé : le presse-papiers ne contient pas un seul nombre, mais un texte "
                               "qui ne se lit pas comme un nombre.";
        for (const QString& text : {english, german, french}) {
            const QString language = text == english ? "en" : text == german ? "de" : "fr";
            QTest::newRow(qPrintable(language + " smallest")) << text << QSize(1, 1) << false;
            QTest::newRow(qPrintable(language + " usual")) << text << QSize(360, 560) << false;
            QTest::newRow(qPrintable(language + " two lines")) << text << QSize(1, 1) << true;
        }
    }

    void noticeKeepsOffTheKeys()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(bool, twoLines);
        Prefs.setTwoLineDisplay(twoLines);
        TestForm form;
        form.resize(size.expandedTo(form.minimumSizeHint()));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.showNotice(text);
        QLabel* notice = form.notice();
        const QRect shown = notice->geometry();
        QVERIFY2(form.display()->geometry().contains(shown), qPrintable(QString("%1,%2 %3x%4").arg(shown.x())
                                                                           .arg(shown.y()).arg(shown.width())
                                                                           .arg(shown.height())));
        QVERIFY(!shown.intersects(form.keyboard()->geometry()));
        // All of the text fits.
        QVERIFY(notice->heightForWidth(shown.width()) <= shown.height());
    }

    void pasteTexts_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("notice");
        QTest::newRow("grouped") << 0 << " 1,234,567.89\n" << 1234567.89 << "";
        QTest::newRow("words before") << 0 << "total: -12" << 7.0 << "no single number";
        QTest::newRow("too large") << 0 << "1e999" << 7.0 << "too large";
        QTest::newRow("hex beyond the word") << 3 << "1 0000 0000" << 7.0 << "does not fit the s32 word";
    }

    // Texts are pasted, or refused with a notice that says why and X as it was.
    void pasteTexts()
    {
        QFETCH(int, base);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, notice);
        UnPrefs.setBase(unsigned(base));
        StoreX(7);
        TestForm form;
        QApplication::clipboard()->setText(text);
        form.paste();
        QCOMPARE(double(UnPrefs.stack[0]), value);
        QCOMPARE(form.notice()->isHidden(), notice.isEmpty());
        QVERIFY2(form.notice()->text().contains(notice), qPrintable(form.notice()->text()));
    }

    void pasteLiftsInRpnAndUndoes()
    {
        Prefs.setRpnInput(true);
        TestForm form;
        Type(&form, "3");
        QApplication::clipboard()->setText("4");
        QTest::keyClick(&form, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(double(UnPrefs.stack[0]), 4.0);
        QCOMPARE(double(UnPrefs.stack[1]), 3.0);
        QVERIFY(!UnPrefs.entering());
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(double(UnPrefs.stack[0]), 3.0);
        QVERIFY(UnPrefs.entering());
    }

    void clearAllBox()
    {
        TestForm form;
        Type(&form, "42");
        UnPrefs.setShowAll(true);
        form.answer = 1; // Cancel
        form.handleKey(KeyClearAll);
        QCOMPARE(form.boxes.size(), 1);
        QCOMPARE(form.boxes[0].caption, QString("Clear All"));
        QCOMPARE(form.boxes[0].text, QString("This operation will\nclear the operating\nstack and all user,\n"
                                              "financial, and\nstatistical registers."));
        QCOMPARE(form.boxes[0].buttons, QStringList({"Clear", "Cancel"}));
        QVERIFY(!UnPrefs.showAll());
        QCOMPARE(double(UnPrefs.stack[0]), 42.0);

        form.answer = 0; // Clear
        form.handleKey(KeyClearAllRpn);
        QCOMPARE(form.boxes.size(), 2);
        QCOMPARE(double(UnPrefs.stack[0]), 0.0);
    }

    void realClearAllBoxCancels()
    {
        CalculatorForm form;
        StoreX(42);
        QStringList buttons;
        QTimer::singleShot(0, [&buttons] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        form.doClearAllDialog();
        QCOMPARE(buttons.size(), 2);
        QVERIFY(buttons.contains("Clear") && buttons.contains("Cancel"));
        QCOMPARE(double(UnPrefs.stack[0]), 42.0);
    }

    void shiftLastsOneKey()
    {
        TestForm form;
        form.handleKey(KeyShift);
        QVERIFY(UnPrefs.shift());
        QVERIFY(form.keyboard()->getShifted());
        form.handleKey(KeyDigit1);
        QVERIFY(!UnPrefs.shift());
        QVERIFY(!form.keyboard()->getShifted());
    }

    // Options > Stay on Top keeps the window above the others, and says
    // so when the window system cannot (as offscreen).
    void stayOnTop()
    {
        TestForm form;
        form.show();
        QVERIFY(form.stayOnTopAction()->isCheckable());
        form.stayOnTopAction()->trigger();
        QVERIFY(form.stayOnTop() && form.isVisible());
        QCOMPARE(form.notice()->isVisible(), !CanKeepWindowsOnTop());
        form.stayOnTopAction()->trigger();
        QVERIFY(!form.stayOnTop() && form.isVisible());
    }

    void menus()
    {
        TestForm form;
        QStringList titles;
        QStringList items;
        for (QMenuBar* bar : form.findChildren<QMenuBar*>()) {
            for (QAction* menu : bar->actions()) {
                titles << menu->text().remove('&');
                for (QAction* item : menu->menu()->actions())
                    items << (item->isSeparator() ? QString("-") : item->text().remove('&'));
            }
        }
        QCOMPARE(titles, QStringList({"Calculator", "Edit", "Options", "Help"}));
        QCOMPARE(items, QStringList({"RPN Stack...", "User Registers...", "Tape...", "Statistics Data...",
                                     "Loan Schedule...", "Cash Flows...", "-", "Quit", "Undo", "Redo", "-",
                                     "Copy", "Paste", "Preferences...", "Colors...", "Keyboard...", "-", "Stay on Top",
                                     "User Guide", "Keys", "-", "About Tovrin..."}));
    }
};

QTEST_MAIN(CalculatorFormTest)
#include "test_calculator_form.moc"
