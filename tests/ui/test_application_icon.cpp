// SPDX-License-Identifier: GPL-3.0-or-later
// The application names its desktop entry and carries its icon, so the
// window system shows the menu entry's icon for the window.
#include "platform/Application.h"

#include <QIcon>
#include <QTest>
#include <QWidget>

class ApplicationIconTest : public QObject {
    Q_OBJECT
private slots:
    void namesTheDesktopEntry()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.tovrin.Tovrin"));
    }

    void windowIconHasEveryThemeSize()
    {
        // The icon comes once the main window's first frame is up.
        QWidget window;
        qobject_cast<Application*>(qApp)->showMainWidget(&window, true);
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        const QIcon icon = QApplication::windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
    }
};

int main(int argc, char** argv)
{
    Application application(argc, argv);
    ApplicationIconTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_application_icon.moc"
