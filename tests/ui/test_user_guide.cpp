// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide window: Help › User Guide opens it, its table of contents
// leads to every section, and it reads at the window's size.

#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/dialogs/UserGuideForm.h"

#include <QAbstractTextDocumentLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

namespace {

// The targets of the document's links within itself.
QStringList InternalLinks(const QTextDocument* document)
{
    QStringList links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.anchorHref().startsWith(QLatin1Char('#')))
                links << format.anchorHref().mid(1);
        }
    return links;
}

// The block that carries the anchor name, or an invalid block.
QTextBlock AnchorBlock(const QTextDocument* document, const QString& name)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return block;
    return {};
}

} // namespace

class TestUserGuide : public QObject {
    Q_OBJECT
private slots:
    void helpMenuOpensTheGuide()
    {
        ResetCalculator();
        CalculatorForm window;
        window.show();
        QAction* item = nullptr;
        for (QMenuBar* bar : window.findChildren<QMenuBar*>())
            for (QAction* menu : bar->actions())
                if (menu->text() == QStringLiteral("&Help"))
                    for (QAction* action : menu->menu()->actions())
                        if (action->text() == QStringLiteral("&User Guide"))
                            item = action;
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(QKeySequence::HelpContents));
        QVERIFY(!window.userGuideForm());
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        UserGuideForm* guide = window.userGuideForm();
        QVERIFY(guide && guide->isVisible());
        QVERIFY(guide->browser()->toPlainText().startsWith(QStringLiteral("Tovrin User Guide")));
        // A second time shows the same window.
        guide->close();
        item->trigger();
        QCOMPARE(window.userGuideForm(), guide);
        QVERIFY(guide->isVisible());
    }

    void contentsLeadToEverySection()
    {
        UserGuideForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTextBrowser* browser = form.browser();
        QTextDocument* document = browser->document();
        const QStringList links = InternalLinks(document);
        QVERIFY2(links.size() >= 20, qPrintable(QString::number(links.size())));
        QScrollBar* bar = browser->verticalScrollBar();
        for (const QString& link : links) {
            QTextBlock heading = AnchorBlock(document, link);
            QVERIFY2(heading.isValid(), qPrintable("no section for the link #" + link));
            QVERIFY(heading.blockFormat().headingLevel() > 0);
            // Following the link brings its heading into view.
            browser->setSource(QUrl(QLatin1Char('#') + link));
            const qreal top = document->documentLayout()->blockBoundingRect(heading).top();
            QVERIFY2(top >= bar->value() && top < bar->value() + browser->viewport()->height(),
                     qPrintable(link));
        }
        form.showContents();
        QVERIFY(bar->value() > 0);
        QVERIFY(bar->value() < bar->maximum() / 10);
    }

    void readsAtTheWindowsSize()
    {
        UserGuideForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTextBrowser* browser = form.browser();
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Tovrin User Guide")));
        // It scrolls down, and every line fits the width: the long example
        // lines wrap.
        QVERIFY(browser->verticalScrollBar()->maximum() > 10 * browser->viewport()->height());
        QVERIFY(browser->document()->documentLayout()->documentSize().width() <= browser->viewport()->width());
        QVERIFY(browser->toPlainText().contains(QStringLiteral("$ tovrin-keys --function financial")));
        QVERIFY(QFontInfo(browser->font()).pixelSize() >= 11);
    }

    void headingAnchors()
    {
        QCOMPARE(UserGuideForm::HeadingAnchor(QStringLiteral("Preferences, colours and the keyboard dialog")),
                 QStringLiteral("preferences-colours-and-the-keyboard-dialog"));
        QCOMPARE(UserGuideForm::HeadingAnchor(QStringLiteral("Undo and redo")), QStringLiteral("undo-and-redo"));
    }
};

QTEST_MAIN(TestUserGuide)
#include "test_user_guide.moc"
