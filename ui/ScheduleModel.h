// SPDX-License-Identifier: GPL-3.0-or-later
// The loan schedule as a table: one row per period, a row of sums after
// each year and a row of totals, composed from engine/Schedule.h when the
// view asks for them.  The amounts are shown as the display shows numbers.
#pragma once

#include "engine/Schedule.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>

class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { PeriodColumn, PaymentColumn, InterestColumn, PrincipalColumn, BalanceColumn, ColumnCount };
    // The ScheduleRowKind of a row, as an int.
    enum Role { KindRole = Qt::UserRole };

    explicit ScheduleModel(QObject* parent = nullptr);

    // Shows another schedule: the same rows keep their place in a view.
    void setSchedule(std::shared_ptr<const Schedule> schedule);
    const std::shared_ptr<const Schedule>& schedule() const { return schedule_; }
    // The number format changed: every text is shown anew.
    void refreshTexts();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The texts of a row as the table shows them, one per column.
    QStringList rowTexts(int row) const;
    // The column names.
    QStringList columnNames() const;
    // The text of an amount as the display shows it.
    static QString amountText(double value);
    // The text of a row's cell.
    static QString cellText(const ScheduleRow& row, int column);

private:
    // The row last composed: a view asks for its cells one after another.
    const ScheduleRow& rowAt(int row) const;

    std::shared_ptr<const Schedule> schedule_;
    mutable int cachedRow_ = -1;
    mutable ScheduleRow cached_;
};
