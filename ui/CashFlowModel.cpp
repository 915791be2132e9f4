// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CashFlowModel.h"

#include "core/State.h"
#include "core/Words.h"
#include "format/Format.h"
#include "format/Strings.h"
#include "format/TableText.h"
#include "format/ValueText.h"
#include "ui/NumberText.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace {

// The text a value is edited as: every digit it holds, so that an edit
// that changes nothing keeps the value exactly.
QString EditText(double value)
{
    if (UnPrefs.base() == BaseDecimal) {
        return QString::fromStdString(CsvNumber(value, Prefs.commaRadix()));
    }
    char text[FormatBufferSize];
    if (FormatNumber(value, 0, text, true) != FormatOk)
        return QString();
    return QString::fromLatin1(text);
}

QString Shown(double value)
{
    return ShownNumber(value);
}

} // namespace

CashFlowModel::CashFlowModel(QObject* parent) : QAbstractTableModel(parent), groups_(CashFlowGroups()) {}

void CashFlowModel::refresh()
{
    const int groups = CashFlowGroups();
    if (groups != groups_) {
        beginResetModel();
        groups_ = groups;
        endResetModel();
    } else {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

int CashFlowModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return groups_ < MaxCashFlowGroups ? groups_ + 1 : groups_;
}

int CashFlowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CashFlowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int j = index.row();
    const bool group = j < groups_;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case FlowColumn: return QStringLiteral("CF%1").arg(j);
        case ValueColumn: return group ? Shown(CashFlowValue(j)) : QString();
        default: return group ? QString::number(CashFlowTimes(j)) : QString();
        }
    case Qt::EditRole:
        if (!group)
            return QString();
        return index.column() == CountColumn ? QString::number(CashFlowTimes(j)) : EditText(CashFlowValue(j));
    case Qt::TextAlignmentRole:
        return int((index.column() == FlowColumn ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        // The empty row's name is only a hint.
        if (!group)
            return QApplication::palette().brush(QPalette::PlaceholderText);
        return QVariant();
    case Qt::ToolTipRole:
        if (!group)
            return tr("Type a value or a count here to add CF%1.").arg(j);
        if (j == 0 && index.column() == CountColumn)
            return tr("CF0 is the flow at the start; it counts once.");
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CashFlowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case FlowColumn: return tr("Flow");
    case ValueColumn: return tr("Value");
    default: return tr("Count");
    }
}

Qt::ItemFlags CashFlowModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // CF0 is one flow at the start: NPV and IRR never read its count.
    const bool editable =
        index.column() == ValueColumn || (index.column() == CountColumn && index.row() > 0);
    return editable ? flags | Qt::ItemIsEditable : flags;
}

PastedNumber CashFlowModel::ReadValue(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return ReadPastedNumber(std::string_view(utf8.constData(), std::size_t(utf8.size())), UnPrefs.base(),
                            Prefs.commaRadix(), IntegerUnitDefaultS32(IntegerUnit(0)));
}

PastedNumber CashFlowModel::ReadCount(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return ReadPastedNumber(std::string_view(utf8.constData(), std::size_t(utf8.size())), BaseDecimal,
                            Prefs.commaRadix(), 0);
}

QString CashFlowModel::RefusalText(CashFlowRefusal refusal)
{
    switch (refusal) {
    case CashFlowRefusal::CountOutOfRange: return tr("A count is a whole number from 0 to 99,999.");
    case CashFlowRefusal::TooManyGroups: return tr("The list holds at most 100 flows, CF0 to CF99.");
    default: return tr("There is no such flow.");
    }
}

QString CashFlowModel::NumberRefusalText(const QString& text, const PastedNumber& number)
{
    switch (number.refusal) {
    case PasteTooLarge: return tr("“%1” is too large.").arg(text.trimmed());
    case PasteDoesNotFitWord:
        return tr("“%1” does not fit the %2 word.")
            .arg(text.trimmed(), QString::fromLatin1(GetString(number.wordLabel)));
    default: return tr("“%1” is not a single number.").arg(text.trimmed());
    }
}

bool CashFlowModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    // Leaving an empty cell empty adds nothing.
    if (index.row() >= groups_ && text.trimmed().isEmpty())
        return false;
    const bool count = index.column() == CountColumn;
    const PastedNumber number = count ? ReadCount(text) : ReadValue(text);
    if (number.refusal != PasteAccepted) {
        emit refused(NumberRefusalText(text, number));
        return false;
    }
    const int j = index.row();
    const CashFlowRefusal refusal = count ? SetCashFlowCount(j, number.value) : SetCashFlowValue(j, number.value);
    if (refusal != CashFlowRefusal::None) {
        emit refused(RefusalText(refusal));
        return false;
    }
    emit edited();
    if (count && number.value == 0)
        emit told(tr("A count of 0 ends the list: CF%1 and the flows after it do not count.").arg(j));
    return true;
}
