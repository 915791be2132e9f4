// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointsModel.h"

#include "core/State.h"
#include "engine/StatisticsData.h"
#include "format/TableText.h"
#include "ui/Accessibility.h"
#include "ui/NumberText.h"

#include <cstring>

namespace {

bool Same(const DataPoint& a, const DataPoint& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

bool PointsModel::Look::operator==(const Look& other) const
{
    return format == other.format && digits == other.digits && base == other.base && comma == other.comma;
}

PointsModel::Look PointsModel::CurrentLook()
{
    return {Prefs.displayFormat(), Prefs.digits(), UnPrefs.base(), Prefs.commaRadix()};
}

PointsModel::PointsModel(QObject* parent) : QAbstractTableModel(parent)
{
    look_ = CurrentLook();
    shown_ = StatisticsPoints();
    newRow_ = shown_.size() < PointsCapacity;
}

int PointsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown_.size()) + (newRow_ ? 1 : 0);
}

int PointsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool PointsModel::isNewRow(int row) const
{
    return newRow_ && row == int(shown_.size());
}

QVariant PointsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || isNewRow(index.row()) || index.row() >= int(shown_.size()))
        return QVariant();
    const DataPoint& p = shown_[std::size_t(index.row())];
    const double value = index.column() == ColumnX ? p.x : p.y;
    switch (role) {
    case Qt::DisplayRole:
        return ShownNumber(value);
    case Qt::AccessibleTextRole:
        return SpokenValue(index.column() == ColumnX ? tr("x") : tr("y"), ShownNumber(value));
    case Qt::EditRole:
        // Every digit in the decimal base, so that an edit loses none.
        return UnPrefs.base() == BaseDecimal ? QString::fromStdString(CsvNumber(value, Prefs.commaRadix()))
                                             : ShownNumber(value);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant PointsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section == ColumnX ? tr("x") : tr("y");
    if (isNewRow(section))
        //: The table's last row, where a new point is typed.
        return role == Qt::DisplayRole ? tr("New") : tr("New point");
    return QString::number(section + 1);
}

Qt::ItemFlags PointsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool PointsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString typed = value.toString();
    const bool newPoint = isNewRow(index.row());
    if (newPoint && typed.trimmed().isEmpty())
        return false;
    const QByteArray text = typed.toUtf8();
    const PastedNumber number = ReadPointValue(std::string_view(text.constData(), std::size_t(text.size())));
    if (number.refusal != PasteAccepted) {
        emit refused(number.refusal == PasteTooLarge ? tr("Not changed: %1 is too large.").arg(typed)
                     : number.refusal == PasteDoesNotFitWord
                         ? tr("Not changed: %1 does not fit the word.").arg(typed)
                         : tr("Not changed: %1 is not a number.").arg(typed));
        return false;
    }
    bool done = false;
    if (newPoint) {
        DataPoint p{0, 0};
        (index.column() == ColumnX ? p.x : p.y) = number.value;
        done = AddPoints({p});
    } else {
        DataPoint p = shown_[std::size_t(index.row())];
        (index.column() == ColumnX ? p.x : p.y) = number.value;
        if (Same(p, shown_[std::size_t(index.row())]))
            return true;
        done = EditPoint(std::size_t(index.row()), p);
    }
    if (done)
        emit edited();
    return done;
}

bool PointsModel::refresh()
{
    const std::vector<DataPoint>& now = StatisticsPoints();
    const Look look = CurrentLook();
    const std::size_t oldSize = shown_.size(), newSize = now.size();
    // The points alike at the start and at the end; those between changed.
    std::size_t head = 0;
    while (head < oldSize && head < newSize && Same(shown_[head], now[head]))
        ++head;
    std::size_t tail = 0;
    while (tail < oldSize - head && tail < newSize - head &&
           Same(shown_[oldSize - 1 - tail], now[newSize - 1 - tail]))
        ++tail;
    const std::size_t removed = oldSize - head - tail, inserted = newSize - head - tail;
    const bool changed = removed > 0 || inserted > 0;

    // The new-point row goes before the list fills and comes back after.
    const bool newRow = newSize < PointsCapacity;
    if (newRow_ && !newRow) {
        beginRemoveRows(QModelIndex(), int(oldSize), int(oldSize));
        newRow_ = false;
        endRemoveRows();
    }
    if (removed == inserted) {
        if (removed > 0) {
            std::copy(now.begin() + long(head), now.begin() + long(head + inserted), shown_.begin() + long(head));
            emit dataChanged(index(int(head), 0), index(int(head + removed - 1), ColumnCount - 1));
        }
    } else {
        if (removed > 0) {
            beginRemoveRows(QModelIndex(), int(head), int(head + removed - 1));
            shown_.erase(shown_.begin() + long(head), shown_.begin() + long(head + removed));
            endRemoveRows();
        }
        if (inserted > 0) {
            beginInsertRows(QModelIndex(), int(head), int(head + inserted - 1));
            shown_.insert(shown_.begin() + long(head), now.begin() + long(head), now.begin() + long(head + inserted));
            endInsertRows();
        }
        // The numbers of the rows after the change moved.
        if (rowCount() > int(head))
            emit headerDataChanged(Qt::Vertical, int(head), rowCount() - 1);
    }
    if (!newRow_ && newRow) {
        beginInsertRows(QModelIndex(), int(newSize), int(newSize));
        newRow_ = true;
        endInsertRows();
    }
    if (!(look == look_)) {
        look_ = look;
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        return true;
    }
    return changed;
}
