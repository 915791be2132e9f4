// SPDX-License-Identifier: GPL-3.0-or-later
// A table view for the side windows' tables: rows of even height, picked
// whole, and the editing keys (Copy, Paste, Delete, Insert) passed to the
// window as signals rather than handled cell by cell.
#pragma once

#include <QList>
#include <QTableView>

class DataTable : public QTableView {
    Q_OBJECT
public:
    explicit DataTable(QWidget* parent = nullptr);

    // The rows with a selected cell, in order; empty when none is selected.
    QList<int> selectedRowNumbers() const;

signals:
    void copyRequested();
    void pasteRequested();
    void deleteRequested();
    void insertRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};
