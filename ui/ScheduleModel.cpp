// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScheduleModel.h"

#include "core/State.h"
#include "format/ValueText.h"
#include "ui/NumberText.h"


ScheduleModel::ScheduleModel(QObject* parent)
    : QAbstractTableModel(parent), schedule_(std::make_shared<const Schedule>())
{
}

void ScheduleModel::setSchedule(std::shared_ptr<const Schedule> schedule)
{
    // The same rows with other amounts keep the view where it was.
    if (ScheduleRowCount(*schedule) == rowCount() && rowCount() > 0) {
        schedule_ = std::move(schedule);
        cachedRow_ = -1;
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    schedule_ = std::move(schedule);
    cachedRow_ = -1;
    endResetModel();
}

const ScheduleRow& ScheduleModel::rowAt(int row) const
{
    if (row != cachedRow_) {
        cached_ = ScheduleRowAt(*schedule_, row);
        cachedRow_ = row;
    }
    return cached_;
}

void ScheduleModel::refreshTexts()
{
    cachedRow_ = -1;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
}

int ScheduleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ScheduleRowCount(*schedule_);
}

int ScheduleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ScheduleModel::amountText(double value)
{
    return ShownNumber(value);
}

QString ScheduleModel::cellText(const ScheduleRow& r, int column)
{
    switch (column) {
    case PeriodColumn:
        switch (r.kind) {
        case ScheduleRowKind::Period: return QString::number(r.number);
        case ScheduleRowKind::Year: return tr("Year %1").arg(r.number);
        case ScheduleRowKind::Total: return tr("Total");
        }
        return QString();
    case PaymentColumn: return amountText(r.payment);
    case InterestColumn: return amountText(r.interest);
    case PrincipalColumn: return amountText(r.principal);
    case BalanceColumn: return amountText(r.balance);
    default: return QString();
    }
}

QStringList ScheduleModel::rowTexts(int row) const
{
    const ScheduleRow& r = rowAt(row);
    QStringList texts;
    for (int column = 0; column < ColumnCount; ++column)
        texts.append(cellText(r, column));
    return texts;
}

QStringList ScheduleModel::columnNames() const
{
    return {tr("Period"), tr("Payment"), tr("Interest"), tr("Principal"), tr("Balance")};
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(rowAt(index.row()), index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case KindRole:
        return int(ScheduleRowKindAt(*schedule_, index.row()));
    default:
        return QVariant();
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return columnNames().value(section);
}
