// SPDX-License-Identifier: GPL-3.0-or-later
// The About window.

#include "ui/dialogs/AboutForm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void captionLogoAndText()
    {
        AboutForm form;
        QCOMPARE(form.windowTitle(), QString("About Tovrin"));
        auto* logo = form.findChild<QLabel*>("logo");
        QVERIFY(logo && !logo->pixmap().isNull());
        const QStringList lines = form.findChild<QLabel*>("text")->text().split('\n');
        QCOMPARE(lines.mid(0, 3), (QStringList{"Tovrin", "Version " TOVRIN_VERSION, ""}));
        QVERIFY(lines.size() > 3);
        QCOMPARE(form.content()->palette().color(QPalette::Window), QColor(Qt::white));
    }

    // A dialog of the main window, centred on it, blocking nothing, with
    // a Close button; Esc closes it too.
    void closesWithItsButtonAndEsc()
    {
        QWidget main;
        main.setGeometry(200, 150, 360, 560);
        main.show();
        AboutForm form(&main);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.isWindow() && !form.isModal());
        QCOMPARE(form.parentWidget(), &main);
        QVERIFY((form.geometry().center() - main.geometry().center()).manhattanLength() <= 2);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());

        form.show();
        auto* buttons = form.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        buttons->button(QDialogButtonBox::Close)->click();
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
