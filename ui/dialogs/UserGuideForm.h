// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide in a window of its own: the Markdown of docs/guide.md,
// embedded with the resources, with a table of contents that leads to its
// sections.
#pragma once

#include <QMainWindow>

class QTextBrowser;
class QTextDocument;

class UserGuideForm : public QMainWindow {
    Q_OBJECT
public:
    explicit UserGuideForm(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

    // The anchor name a link to a heading uses: the heading in lower case,
    // without punctuation, spaces as hyphens ("Where the state lives" is
    // where-the-state-lives), as the guide's table of contents spells it.
    static QString HeadingAnchor(const QString& heading);

public slots:
    void showContents();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Pictures wider than `width` are shown at that width.
    static void FitPictures(QTextDocument* document, qreal width);

    static void NameHeadings(QTextDocument* document);
    static void StyleCodeBlocks(QTextDocument* document, const QColor& background);

    QTextBrowser* m_browser = nullptr;
};
