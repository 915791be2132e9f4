// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SideWindow.h"

#include "ui/Accessibility.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How long the notice line stays, in milliseconds: long enough to read
// which cell of a paste was refused and why.
constexpr int NoticeTime = 8000;

} // namespace

SideWindow::SideWindow(const QString& placeName, QWidget* parent)
    : QMainWindow(parent), placeName_(placeName), notice_(new QLabel), noticeTimer_(new QTimer(this))
{
    setObjectName(placeName);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setWordWrap(true);
    notice_->setMargin(4);
    notice_->setAutoFillBackground(true);
    notice_->setBackgroundRole(QPalette::ToolTipBase);
    notice_->setForegroundRole(QPalette::ToolTipText);
    MakeAccessibleNotice(notice_);
    notice_->hide();
    noticeTimer_->setSingleShot(true);
    connect(noticeTimer_, &QTimer::timeout, notice_, &QWidget::hide);

    // A line editor being edited keeps Ctrl+Z for its own text.
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, &SideWindow::undoRequested);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this), &QShortcut::activated, this,
            &SideWindow::redoRequested);
}

void SideWindow::setContent(QWidget* content)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(content, 1);
    layout->addWidget(notice_);
    setCentralWidget(central);
}

void SideWindow::showNotice(const QString& text)
{
    notice_->setText(text);
    notice_->show();
    noticeTimer_->start(NoticeTime);
}

QPushButton* SideWindow::addButton(QBoxLayout* row, const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}
