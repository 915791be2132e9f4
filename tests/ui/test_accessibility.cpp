// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard user meet, through Qt's own
// accessibility: displays that say their values, the notice as a
// notification, the Tab chain, the keypad's arrows, commands that never
// type, F10 and Quit; then, in English, German and French, mnemonics unique
// in every menu and in the preferences, and a Keys window whose columns
// show every text.  (The events a screen reader hears need the
// accessibility bus: test_screen_reader.py listens to them.)
#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"
#include "ui/dialogs/KeysForm.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/PreferencesPane.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

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

QString Name(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// The mnemonic of a text, lower case: the character after a single '&';
// empty when it has none.
QString Mnemonic(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text.mid(i + 1, 1).toLower();
        ++i;
    }
    return QString();
}

// Fails with `where` when a text has no mnemonic or shares it with another.
void CheckMnemonics(const QStringList& texts, const QString& where)
{
    QStringList seen;
    for (const QString& text : texts) {
        const QString key = Mnemonic(text);
        QVERIFY2(!key.isEmpty(), qPrintable(where + ": no mnemonic in " + text));
        QVERIFY2(!seen.contains(key), qPrintable(where + ": " + key + " twice, in " + texts.join(" | ")));
        seen << key;
    }
}

// A shown window that has the keyboard focus.
void Activate(QWidget* window)
{
    window->resize(360, 560);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ResetCalculator();
        InitializeUndo();
    }

    // The display says X as a person would: the number as shown, "error"
    // in words, Y after X when it shows two lines; its name and its text
    // alike.
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
        QAccessibleInterface* display = QAccessible::queryAccessibleInterface(form.display());
        QCOMPARE(display->text(QAccessible::Name), said);
        QAccessibleTextInterface* text = display->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), said);
        QCOMPARE(display->text(QAccessible::Value), said.mid(3).section(QLatin1Char(';'), 0, 0));
    }

    // The status indicators are the main display's description; the
    // lines of the stack and register windows say their name and value.
    void indicatorsAndLinesSayWhatTheyShow()
    {
        Regs.registers[13] = 2.5;
        CalculatorForm form;
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(QAccessible::queryAccessibleInterface(form.display())->text(QAccessible::Description),
                 QString("SHIFT"));

        form.viewRpnStackForm();
        Type(&form, "7");
        QStringList names;
        for (RpnStackDisplay* line : form.rpnStackForm()->pane()->findChildren<RpnStackDisplay*>())
            names << Name(line);
        QCOMPARE(names, QStringList({"T: 0.", "Z: 0.", "Y: 0.", "X: 7."}));

        UserRegistersForm registers(nullptr, false, false);
        registers.setGroup(1);
        QCOMPARE(Name(registers.pane()->line(3)), QString("Register 13: 2.5"));
        QCOMPARE(QAccessible::queryAccessibleInterface(registers.pane()->line(3))->text(QAccessible::Value),
                 QString("2.5"));
    }

    // The notice under the display is a notification, read when it shows.
    void noticeIsANotification()
    {
        CalculatorForm form;
        form.showNotice("The clipboard holds no number.");
        QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(form.notice());
        QCOMPARE(notice->role(), QAccessible::Notification);
        QCOMPARE(notice->text(QAccessible::Name), QString("The clipboard holds no number."));
    }

    // Typing reaches the calculator from the start; Tab goes round the
    // selector, the keypad (its first Tab shows the ring) and the display,
    // both ways, and the focus is never lost.  With the quick-switch bar
    // the keypad and the display take turns.
    void tabCyclesSelectorKeypadDisplay()
    {
        auto form = std::make_unique<CalculatorForm>();
        Activate(form.get());
        QWidget* keypad = form->keyboard();
        QCOMPARE(QApplication::focusWidget(), keypad);
        QVERIFY(!form->keyboard()->focusRingShown());
        Type(form.get(), "4");
        QCOMPARE(double(UnPrefs.stack[0]), 4.0);

        const QList<QWidget*> forward{keypad, form->display(), form->functionBox(), keypad, form->display()};
        for (QWidget* next : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), keypad);
        QVERIFY(form->keyboard()->focusRingShown());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->functionBox());
        QTest::keyClick(form->functionBox(), Qt::Key_Down);
        QCOMPARE(UnPrefs.function(), unsigned(FunctionFinancial));

        // The selector is named by its label, a buddy with a mnemonic.
        auto* label = form->findChild<QLabel*>("functionLabel");
        QCOMPARE(label->buddy(), form->functionBox());
        QCOMPARE(label->text(), QString("&Function:"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->functionBox())->text(QAccessible::Value),
                 QString("Financial"));

        Prefs.setQuickSwitch(true);
        form = std::make_unique<CalculatorForm>();
        Activate(form.get());
        const QList<QWidget*> turns{form->keyboard(), form->display(), form->keyboard()};
        for (QWidget* next : turns) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // While Tab has put the focus in the keypad, Up and Down move between
    // rows and round; elsewhere they switch functions.
    void upAndDownMoveBetweenRowsInTheKeypad()
    {
        CalculatorForm form;
        Activate(&form);
        AdvancedKeyboard* keypad = form.keyboard();
        QTest::keyClick(keypad, Qt::Key_Tab);
        QVERIFY(keypad->focusRingShown());
        const QPoint first(keypad->getFocusCol(), keypad->getFocusRow());
        QList<int> rows;
        for (int i = 0; i < 7 && (rows.isEmpty() || keypad->getFocusRow() != first.y()); ++i) {
            QTest::keyClick(keypad, Qt::Key_Down);
            rows << keypad->getFocusRow();
        }
        QCOMPARE(rows.first(), 2);
        QCOMPARE(QPoint(keypad->getFocusCol(), keypad->getFocusRow()), first);
        QTest::keyClick(keypad, Qt::Key_Up);
        QCOMPARE(keypad->getFocusRow(), rows[rows.size() - 2]);
        QCOMPARE(UnPrefs.function(), unsigned(FunctionStandard));

        QTest::keyClick(keypad, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.display());
        QTest::keyClick(form.display(), Qt::Key_Up);
        QCOMPARE(UnPrefs.function(), unsigned(FunctionUser));
    }

    // Keys with Alt or Meta never reach the keyboard map: they are the
    // menus'.  Alt+E opens Edit, F10 the first menu.
    void commandsNeverType_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+E") << int(Qt::Key_E) << int(Qt::AltModifier);
        QTest::newRow("Alt+1") << int(Qt::Key_1) << int(Qt::AltModifier);
        QTest::newRow("Meta+5") << int(Qt::Key_5) << int(Qt::MetaModifier);
        QTest::newRow("Ctrl+Alt+S") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::AltModifier);
        QTest::newRow("Alt+Up") << int(Qt::Key_Up) << int(Qt::AltModifier);
    }

    void commandsNeverType()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        CalculatorForm form;
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers),
                        key == Qt::Key_Up ? QString() : QString(QChar(key).toLower()));
        form.keyPressEvent(&event);
        QVERIFY(!event.isAccepted());
        QVERIFY(!UnPrefs.entering());
        QCOMPARE(UnPrefs.function(), unsigned(FunctionStandard));
        QCOMPARE(int(UnPrefs.registerPrefix), int(KeyNone));
    }

    void menusOpenFromTheKeyboard()
    {
        CalculatorForm form;
        Activate(&form);
        const QList<QAction*> menus = form.menus()->actions();
        QTest::keyClick(form.keyboard(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(form.menus()->activeAction(), menus[1]);
        QTRY_VERIFY(menus[1]->menu()->isVisible());
        QVERIFY(!UnPrefs.entering());
        menus[1]->menu()->close();
        QTRY_VERIFY(!menus[1]->menu()->isVisible());

        QTest::keyClick(form.keyboard(), Qt::Key_F10);
        QCOMPARE(form.menus()->activeAction(), menus[0]);
        QTRY_VERIFY(menus[0]->menu()->isVisible());
        menus[0]->menu()->close();

        // Ctrl+Q whatever the platform theme gives Quit.
        QVERIFY(form.quitAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
        QCOMPARE(form.quitAction()->shortcuts(), CalculatorForm::QuitShortcuts());
    }

    // In each language every menu and item has a mnemonic, unique in its
    // menu (the menu bar's with the selector's label); every control of
    // the preferences has one, from its own text or from a label that is
    // its buddy, unique in the dialog.
    void mnemonicsInEveryLanguage_data() { languages(); }
    void mnemonicsInEveryLanguage()
    {
        QFETCH(QString, language);
        const Catalogue catalogue(language);
        CalculatorForm form;
        QStringList bar;
        for (QAction* menu : form.menus()->actions()) {
            bar << menu->text();
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    items << item->text();
            CheckMnemonics(items, language + " " + menu->text());
        }
        bar << form.findChild<QLabel*>("functionLabel")->text();
        CheckMnemonics(bar, language + " menu bar");

        PreferencesDialog dialog;
        QStringList controls;
        for (QLabel* label : dialog.pane()->findChildren<QLabel*>())
            if (label->buddy())
                controls << label->text();
        for (QComboBox* combo : dialog.pane()->findChildren<QComboBox*>()) {
            bool labelled = false;
            for (QLabel* label : dialog.pane()->findChildren<QLabel*>())
                labelled = labelled || label->buddy() == combo;
            QVERIFY2(labelled, qPrintable(combo->objectName() + " has no label"));
        }
        for (QAbstractButton* button : dialog.pane()->findChildren<QAbstractButton*>())
            controls << button->text();
        CheckMnemonics(controls, language + " preferences");
    }

    // In each language and function, the Keys window's columns show every
    // text whole: a long keyboard note wraps onto another line, and the open
    // window widens to the width of all its columns.
    void keysWindowShowsEveryText_data() { languages(); }
    void keysWindowShowsEveryText()
    {
        QFETCH(QString, language);
        const Catalogue catalogue(language);
        bool wrapped = false;
        KeysForm keys;
        keys.refresh();
        keys.resize(keys.sizeHint());
        keys.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keys));
        // The open window follows the function, widening as need be.
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
                        // On one line, or wrapped within the column's
                        // width (less the item's margins) and the row's
                        // height.
                        const QTableWidgetItem* item = table->item(row, col);
                        const QFontMetrics metrics(item->font());
                        const int room = table->columnWidth(col) - 6;
                        if (metrics.horizontalAdvance(item->text()) <= room)
                            continue;
                        const QRect used =
                            metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, item->text());
                        QVERIFY2(used.width() <= room && used.height() <= table->rowHeight(row),
                                 qPrintable(language + ": " + item->text() + " is cut"));
                        wrapped = wrapped || (col == KeysForm::KeyboardColumn && table == keys.keysTable());
                    }
                }
                QVERIFY2(table->viewport()->width() >= columns, qPrintable(language));
            }
        }
        QVERIFY2(wrapped, qPrintable(language + ": no keyboard note wraps"));
    }

private:
    // The catalogue of a language, installed while it lives; "en" installs
    // none.
    class Catalogue {
    public:
        explicit Catalogue(const QString& language)
        {
            if (language != QLatin1String("en")) {
                QVERIFY(m_translator.load(":/translations/tovrin_" + language + ".qm"));
                QCoreApplication::installTranslator(&m_translator);
            }
        }
        ~Catalogue() { QCoreApplication::removeTranslator(&m_translator); }

    private:
        QTranslator m_translator;
    };

    static void languages()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr"})
            QTest::newRow(language) << QString(language);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
