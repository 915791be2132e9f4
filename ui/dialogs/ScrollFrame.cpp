// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrollFrame.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// A scroll view whose size hint is the whole pane plus a vertical scroll
// bar, so windows open at their natural size instead of the toolkit's
// default scroll view size.
class NaturalScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override
    {
        QWidget* pane = widget();
        if (!pane)
            return QScrollArea::sizeHint();
        QSize size = pane->sizeHint().expandedTo(pane->minimumSizeHint());
        size.rwidth() += verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
        size.rheight() += 2 * frameWidth();
        return size;
    }
};

} // namespace

QScrollArea* MakeScrollView(QWidget* pane, QWidget* parent)
{
    auto* view = new NaturalScrollArea(parent);
    view->setFrameShape(QFrame::NoFrame);
    view->setWidgetResizable(true);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setWidget(pane);
    return view;
}

QScrollArea* LayOutDialog(QDialog* dialog, QWidget* pane)
{
    auto* layout = new QVBoxLayout(dialog);
    QScrollArea* view = MakeScrollView(pane, dialog);
    layout->addWidget(view, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return view;
}
