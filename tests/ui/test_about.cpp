// SPDX-License-Identifier: GPL-3.0-or-later
// The About window.

#include "ui/dialogs/AboutForm.h"

#include <QLabel>
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
        QCOMPARE(form.centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
