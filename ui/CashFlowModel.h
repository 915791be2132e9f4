// SPDX-License-Identifier: GPL-3.0-or-later
// The cash-flow list as an editable table over engine/CashFlows.h: one row
// per group (CF0, CF1, ...) with its value and its count, and below them an
// empty row that adds a group when a value or a count is typed into it.
// An edit is one undo step of the calculator; a refused one changes
// nothing and says why through refused().
#pragma once

#include "engine/CashFlows.h"
#include "format/PastedNumber.h"

#include <QAbstractTableModel>

class CashFlowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FlowColumn, ValueColumn, CountColumn, ColumnCount };

    explicit CashFlowModel(QObject* parent = nullptr);

    // The list or the number format changed: the rows are read anew.
    void refresh();

    // The groups of the list; the row after them, when there is room for a
    // group, is the empty one.
    int groups() const { return groups_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // A value typed or pasted into a cell, read as the paste reader reads
    // the clipboard: in the current base and radix mark.
    static PastedNumber ReadValue(const QString& text);
    // A count: a decimal number.
    static PastedNumber ReadCount(const QString& text);
    // Why an edit was refused, as a sentence.
    static QString RefusalText(CashFlowRefusal refusal);
    static QString NumberRefusalText(const QString& text, const PastedNumber& number);

signals:
    // A cell was changed, as one undo step; the rows are not read anew
    // until refresh().
    void edited();
    // An edit was refused, and the text says why.
    void refused(const QString& text);
    // An edit had an effect worth telling.
    void told(const QString& text);

private:
    int groups_ = 1;
};
