// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DataTable.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

namespace {

// The signal of an editing key, or null.
void (DataTable::*EditingSignal(const QKeyEvent* event))()
{
    if (event->matches(QKeySequence::Copy))
        return &DataTable::copyRequested;
    if (event->matches(QKeySequence::Paste))
        return &DataTable::pasteRequested;
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Delete)
        return &DataTable::deleteRequested;
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Insert)
        return &DataTable::insertRequested;
    return nullptr;
}

} // namespace

DataTable::DataTable(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Rows of one height: the view never measures them one by one, so a
    // table of 65,535 rows scrolls as lightly as one of ten.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
}

QList<int> DataTable::selectedRowNumbers() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool DataTable::event(QEvent* event)
{
    // The editing keys are the window's, also where a shortcut would take them.
    if (event->type() == QEvent::ShortcutOverride && EditingSignal(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void DataTable::keyPressEvent(QKeyEvent* event)
{
    if (auto signal = EditingSignal(event)) {
        emit(this->*signal)();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
