// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserGuideForm.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>

namespace {

const QString GuideResource = QStringLiteral(":/guide.md");
const QString ContentsAnchor = QStringLiteral("contents");
// Indent of the examples, and the space above each, in pixels.
constexpr qreal CodeIndent = 12;
constexpr qreal CodeGap = 8;

} // namespace

UserGuideForm::UserGuideForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("userGuide"));
    setWindowTitle(tr("Tovrin User Guide"));

    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    // The guide's pictures live beside it in the resources.
    m_browser->setSearchPaths({QStringLiteral(":/")});
    QFile guide(GuideResource);
    if (guide.open(QIODevice::ReadOnly))
        m_browser->setMarkdown(QString::fromUtf8(guide.readAll()));
    m_browser->document()->setDocumentMargin(12);
    NameHeadings(m_browser->document());
    StyleCodeBlocks(m_browser->document(), palette().color(QPalette::AlternateBase));
    setCentralWidget(m_browser);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(tr("Back"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    bar->addAction(tr("Contents"), this, &UserGuideForm::showContents);

    resize(640, 720);
}

QString UserGuideForm::HeadingAnchor(const QString& heading)
{
    QString anchor;
    for (QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

void UserGuideForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const qreal room = m_browser->viewport()->width() - 2 * m_browser->document()->documentMargin() -
                       m_browser->verticalScrollBar()->sizeHint().width();
    FitPictures(m_browser->document(), room);
}

void UserGuideForm::FitPictures(QTextDocument* document, qreal width)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage picture(QStringLiteral(":/") + format.name());
            if (picture.isNull())
                continue;
            const qreal natural = picture.width() / picture.devicePixelRatio();
            const qreal fitted = std::min(natural, std::max(width, qreal(1)));
            if (format.width() == fitted)
                continue;
            format.setWidth(fitted);
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

void UserGuideForm::showContents()
{
    m_browser->scrollToAnchor(ContentsAnchor);
}

// Markdown gives its headings no anchor names, so the links of the table
// of contents would lead nowhere: each heading gets the name they use.
void UserGuideForm::NameHeadings(QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({HeadingAnchor(block.text())});
        cursor.mergeCharFormat(format);
    }
}

// Code blocks (the examples) stand apart on a background of their own, and
// their long command lines wrap at the window's width rather than widen the
// page beyond it.  Every example begins with its command line, "$ ...".
void UserGuideForm::StyleCodeBlocks(QTextDocument* document, const QColor& background)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (!format.hasProperty(QTextFormat::BlockCodeFence))
            continue;
        format.setNonBreakableLines(false);
        format.setBackground(background);
        format.setLeftMargin(CodeIndent);
        format.setRightMargin(CodeIndent);
        if (block.text().startsWith(QLatin1String("$ ")))
            format.setTopMargin(CodeGap);
        QTextCursor(block).setBlockFormat(format);
    }
}
