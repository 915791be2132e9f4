// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in the user's language.  Each case runs in a process of its
// own, under the language list its test sets: the catalogue can be
// installed only once.
#include "core/KeyList.h"
#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/KeyNames.h"
#include "ui/KeyReference.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QtTest>

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    // LANGUAGE=de, LANG=de_DE.UTF-8: the window starts in German, Qt's own
    // texts too; the keys list and the numbers stay as they are.
    void germanWindow()
    {
        const QString englishKeys = ListKeysText();
        QCOMPARE(InstallTranslations(qApp), QString("de"));

        CalculatorForm window;
        QStringList menus;
        for (QAction* menu : window.findChild<QMenuBar*>()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&Rechner", "&Bearbeiten", "&Optionen", "&Hilfe"}));
        QCOMPARE(KeyName(KeySin), QString("Sinus"));
        QCOMPARE(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText), QString("Strg+Z"));

        QCOMPARE(ListKeysText(), englishKeys);
        for (char c : {'1', '2', '3', '4', '.', '5', '='})
            QTest::keyClick(&window, c);
        window.copy();
        QCOMPARE(QApplication::clipboard()->text(), QString("1234.5"));
    }

    // LANGUAGE=en_GB:de: English comes first, so nothing is translated.
    void englishBeforeGerman()
    {
        QCOMPARE(InstallTranslations(qApp), QString());
        QCOMPARE(KeyName(KeySin), QString("Sine"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
