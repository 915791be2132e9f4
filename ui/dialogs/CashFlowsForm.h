// SPDX-License-Identifier: GPL-3.0-or-later
// The "Cash Flows" window: the cash-flow list as a table to see and
// correct, with NPV at the current I/YR and IRR under it.  Values and
// counts are edited in place; groups are inserted, deleted and pasted from
// a spreadsheet.  Each change is one undo step of the calculator, and a
// refused one changes nothing and says why.
#pragma once

#include "ui/SideWindow.h"

#include <QByteArray>

class CashFlowModel;
class DataTable;
class QLabel;

class CashFlowsForm : public SideWindow {
    Q_OBJECT
public:
    explicit CashFlowsForm(QWidget* parent = nullptr);

    void followCalculator() override;

    DataTable* table() const { return table_; }
    CashFlowModel* model() const { return model_; }
    QLabel* npvLine() const { return npv_; }
    QLabel* irrLine() const { return irr_; }

    // Pastes lines of one or two tab-separated columns into the groups from
    // the current row on: values, or values and counts; counts alone when
    // one column goes into the count column.  True when it was pasted.
    bool pasteText(const QString& text);
    // The selected groups, or all, as lines of value and count.
    QString copiedText() const;

public slots:
    void insertGroup();
    void deleteGroups();
    void paste();
    void copy();

private:
    // Everything the window shows depends on: the cash-flow registers and
    // counts, I/YR, P/YR and the number format.
    static QByteArray CurrentInputs();
    void edited();
    void showResults();

    DataTable* table_;
    CashFlowModel* model_;
    QLabel* npv_;
    QLabel* irr_;
    QByteArray inputs_;
};
