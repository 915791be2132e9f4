// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard user meet, through Qt's own
// accessibility: what the displays say, the Tab chain and the keypad's
// arrows, commands that never type; in English, German and French the
// mnemonics of the menus, the preferences and the side windows, and a Keys window that shows
// every text.  (The events a screen reader hears need the accessibility
// bus: test_screen_reader.py listens to them.)
#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"
#include "ui/SideWindow.h"
#include "ui/dialogs/TapeForm.h"
#include "ui/dialogs/KeysForm.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/PreferencesPane.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Keys typed on the keyboard: to the widget with the focus, '\n' as Return.
void Type(QWidget* window, const QString& keys)
{
    for (QChar c : keys) {
        QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        if (c == QLatin1Char('\n'))
            QTest::keyClick(to, Qt::Key_Return);
        else
            QTest::keyClick(to, c.toLatin1());
    }
}

void Press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

// Fails when a text has no mnemonic (a single '&') or shares it with another.
void CheckMnemonics(const QStringList& texts, const QString& where)
{
    QStringList seen;
    for (const QString& text : texts) {
        const QString key = QString(text).replace("&&", "").section('&', 1).left(1).toLower();
        QVERIFY2(!key.isEmpty() && !seen.contains(key), qPrintable(where + ": " + texts.join(" | ")));
        seen << key;
    }
}

void Activate(QWidget* window)
{
    window->resize(360, 560);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// The catalogue of a language, installed while it lives; "en" has none.
class Catalogue {
public:
    explicit Catalogue(const QString& language)
    {
        if (language == QLatin1String("en"))
            return;
        QVERIFY(m_translator.load(":/translations/tovrin_" + language + ".qm"));
        QCoreApplication::installTranslator(&m_translator);
    }
    ~Catalogue() { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ResetCalculator();
        InitializeUndo();
    }

    // The main display says X as a person would, as its name and its text:
    // the number as shown, "error" in words, Y after X on two lines.
    void displaySaysWhatItShows_data()
    {
        QTest::addColumn<bool>("rpn");
        QTest::addColumn<bool>("twoLines");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("said");
        QTest::newRow("typed") << false << false << "1234.5" << "X: 1,234.5";
        QTest::newRow("result") << false << false << "1234.5+1=" << "X: 1,235.5";
        QTest::newRow("error") << false << false << "0/0=" << "X: error";
        QTest::newRow("two lines") << true << true << "2\n3" << "X: 3; Y: 2.";
    }

    void displaySaysWhatItShows()
    {
        QFETCH(bool, rpn);
        QFETCH(bool, twoLines);
        QFETCH(QString, keys);
        QFETCH(QString, said);
        Prefs.setRpnInput(rpn);
        Prefs.setTwoLineDisplay(twoLines);
        CalculatorForm form;
        Type(&form, keys);
        QAccessibleInterface* display = Accessible(form.display());
        QCOMPARE(display->text(QAccessible::Name), said);
        QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()), said);
        QCOMPARE(display->text(QAccessible::Value), said.mid(3).section(';', 0, 0));
    }

    // The status indicators are the display's description; the lines of
    // the stack and register windows say their name and value; the notice
    // is a notification.
    void linesIndicatorsAndNotice()
    {
        Regs.registers[13] = 2.5;
        CalculatorForm form;
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(Accessible(form.display())->text(QAccessible::Description), QString("SHIFT"));
        form.viewRpnStackForm();
        Type(&form, "7");
        QStringList lines;
        for (RpnStackDisplay* line : form.rpnStackForm()->pane()->findChildren<RpnStackDisplay*>())
            lines << Accessible(line)->text(QAccessible::Name);
        QCOMPARE(lines, QStringList({"T: 0.", "Z: 0.", "Y: 0.", "X: 7."}));
        UserRegistersForm registers(nullptr, false, false);
        registers.setGroup(1);
        QCOMPARE(Accessible(registers.pane()->line(3))->text(QAccessible::Name), QString("Register 13: 2.5"));

        form.showNotice("The clipboard holds no number.");
        QCOMPARE(Accessible(form.notice())->role(), QAccessible::Notification);
        QCOMPARE(Accessible(form.notice())->text(QAccessible::Name), QString("The clipboard holds no number."));
    }

    // Typing reaches the calculator from the start; Tab goes round the
    // labelled selector, the keypad (its first Tab shows the ring) and the
    // display, both ways, never losing the focus; in the keypad Up and Down
    // move between rows, elsewhere they switch functions.
    void tabChainAndArrows()
    {
        auto form = std::make_unique<CalculatorForm>();
        Activate(form.get());
        AdvancedKeyboard* keypad = form->keyboard();
        QCOMPARE(QApplication::focusWidget(), keypad);
        Type(form.get(), "4");
        QCOMPARE(double(UnPrefs.stack[0]), 4.0);
        for (QWidget* next : QList<QWidget*>{keypad, form->display(), form->functionBox(), keypad, form->display()}) {
            Press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        Press(Qt::Key_Backtab);
        QVERIFY(keypad->focusRingShown());
        QCOMPARE(form->findChild<QLabel*>("functionLabel")->buddy(), form->functionBox());

        const QPoint first(keypad->getFocusCol(), keypad->getFocusRow());
        Press(Qt::Key_Down);
        QCOMPARE(keypad->getFocusRow(), 2);
        for (int i = 0; i < 7 && keypad->getFocusRow() != first.y(); ++i)
            Press(Qt::Key_Down);
        QCOMPARE(QPoint(keypad->getFocusCol(), keypad->getFocusRow()), first);
        Press(Qt::Key_Up);
        QCOMPARE(keypad->getFocusRow(), 7);
        QCOMPARE(UnPrefs.function(), unsigned(FunctionStandard));
        Press(Qt::Key_Backtab);
        Press(Qt::Key_Down);
        QCOMPARE(UnPrefs.function(), unsigned(FunctionFinancial));
        QCOMPARE(Accessible(form->functionBox())->text(QAccessible::Value), QString("Financial"));
        Press(Qt::Key_Backtab);
        Press(Qt::Key_Up);
        QCOMPARE(UnPrefs.function(), unsigned(FunctionStandard));

        // With the quick-switch bar the keypad and the display take turns.
        Prefs.setQuickSwitch(true);
        form = std::make_unique<CalculatorForm>();
        Activate(form.get());
        for (QWidget* next : QList<QWidget*>{form->keyboard(), form->display(), form->keyboard()}) {
            Press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // Keys with Alt or Meta never type: Alt+E opens Edit, F10 the first
    // menu.  Quit has Ctrl+Q whatever the platform theme gives it.
    void commandsAreTheMenus()
    {
        CalculatorForm form;
        Activate(&form);
        for (int modifiers : {int(Qt::AltModifier), int(Qt::MetaModifier), int(Qt::ControlModifier | Qt::AltModifier)})
            for (int key : {int(Qt::Key_1), int(Qt::Key_S), int(Qt::Key_Up)}) {
                const QString text = key == Qt::Key_Up ? QString() : QString(QChar(key).toLower());
                QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
                form.keyPressEvent(&event);
                QVERIFY(!event.isAccepted());
            }
        QVERIFY(!UnPrefs.entering());
        QCOMPARE(UnPrefs.function(), unsigned(FunctionStandard));

        const QList<QAction*> menus = form.menus()->actions();
        QTest::keyClick(form.keyboard(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(form.menus()->activeAction(), menus[1]);
        QTRY_VERIFY(menus[1]->menu()->isVisible());
        QVERIFY(!UnPrefs.entering());
        menus[1]->menu()->close();
        QTest::keyClick(form.keyboard(), Qt::Key_F10);
        QCOMPARE(form.menus()->activeAction(), menus[0]);
        menus[0]->menu()->close();
        QCOMPARE(form.quitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    // In each language every menu and item has a mnemonic, unique in its
    // menu (the menu bar's together with the selector's label); every
    // control of the preferences has one, its own or its label's, unique
    // in the dialog, and every list there has a label; the buttons of each
    // side window have their own.
    void mnemonicsInEveryLanguage_data() { languages(); }
    void mnemonicsInEveryLanguage()
    {
        QFETCH(QString, language);
        const Catalogue catalogue(language);
        CalculatorForm form;
        QStringList bar{form.findChild<QLabel*>("functionLabel")->text()};
        for (QAction* menu : form.menus()->actions()) {
            bar << menu->text();
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    items << item->text();
            CheckMnemonics(items, language + " " + menu->text());
        }
        CheckMnemonics(bar, language + " menu bar");

        PreferencesDialog dialog;
        QStringList controls;
        QList<QWidget*> labelled;
        for (QLabel* label : dialog.pane()->findChildren<QLabel*>()) {
            controls << label->text();
            labelled << label->buddy();
        }
        for (QComboBox* combo : dialog.pane()->findChildren<QComboBox*>())
            QVERIFY2(labelled.contains(combo), qPrintable(combo->objectName()));
        for (QAbstractButton* button : dialog.pane()->findChildren<QAbstractButton*>())
            controls << button->text();
        CheckMnemonics(controls, language + " preferences");

        for (const char* name : {"schedule", "cashflows", "statistics", "tape"}) {
            const std::unique_ptr<QWidget> side(QLatin1String(name) == QLatin1String("tape")
                                                    ? static_cast<QWidget*>(new TapeForm)
                                                    : CalculatorForm::MakeSideWindow(name, nullptr));
            QStringList buttons;
            for (QPushButton* button : side->findChildren<QPushButton*>())
                buttons << button->text();
            CheckMnemonics(buttons, language + " " + name);
        }
    }

    // In each language and function the open Keys window widens to its
    // columns, no text is cut, and long keyboard notes wrap.
    void keysWindowShowsEveryText_data() { languages(); }
    void keysWindowShowsEveryText()
    {
        QFETCH(QString, language);
        const Catalogue catalogue(language);
        KeysForm keys;
        keys.refresh();
        keys.resize(keys.sizeHint());
        keys.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keys));
        bool wrapped = false;
        for (int function = 0; function < FunctionCount; ++function) {
            UnPrefs.setFunction(unsigned(function));
            keys.refresh();
            for (QTableWidget* table : {keys.keysTable(), keys.shortcutsTable()}) {
                keys.findChild<QTabWidget*>()->setCurrentWidget(table);
                QCoreApplication::processEvents();
                int columns = 0;
                for (int col = 0; col < table->columnCount(); ++col) {
                    columns += table->columnWidth(col);
                    for (int row = 0; row < table->rowCount(); ++row) {
                        // On one line, or wrapped within the column (less
                        // the item's margins) and the row.
                        const QFontMetrics metrics(table->item(row, col)->font());
                        const QString text = table->item(row, col)->text();
                        const int room = table->columnWidth(col) - 6;
                        if (metrics.horizontalAdvance(text) <= room)
                            continue;
                        const QRect used = metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
                        QVERIFY2(used.width() <= room && used.height() <= table->rowHeight(row),
                                 qPrintable(language + ": " + text));
                        wrapped = wrapped || col == KeysForm::KeyboardColumn;
                    }
                }
                QVERIFY2(table->viewport()->width() >= columns, qPrintable(language));
            }
        }
        QVERIFY(wrapped);
    }

private:
    static void languages()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr"})
            QTest::newRow(language) << QString(language);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
