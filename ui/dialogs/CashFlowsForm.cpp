// SPDX-License-Identifier: GPL-3.0-or-later
#include "CashFlowsForm.h"

#include "core/State.h"
#include "engine/CashFlows.h"
#include "engine/Financial.h"
#include "format/ValueText.h"
#include "ui/CashFlowModel.h"
#include "ui/DataTable.h"
#include "ui/NumberText.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <vector>

namespace {

QString Shown(double value)
{
    return ShownNumber(value);
}

template <typename T>
void Append(QByteArray& bytes, const T& value)
{
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

} // namespace

CashFlowsForm::CashFlowsForm(QWidget* parent) : SideWindow(QStringLiteral("cashflows"), parent)
{
    setWindowTitle(tr("Cash Flows"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);

    model_ = new CashFlowModel(this);
    table_ = new DataTable;
    table_->setObjectName(QStringLiteral("cashflows"));
    table_->setModel(model_);
    table_->setAccessibleName(tr("Cash flows"));
    table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    npv_ = new QLabel;
    npv_->setObjectName(QStringLiteral("npv"));
    npv_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    irr_ = new QLabel;
    irr_->setObjectName(QStringLiteral("irr"));
    irr_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(npv_);
    layout->addWidget(irr_);

    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, tr("&Insert"), "insert"), &QPushButton::clicked, this, &CashFlowsForm::insertGroup);
    connect(addButton(buttons, tr("&Delete"), "delete"), &QPushButton::clicked, this, &CashFlowsForm::deleteGroups);
    connect(addButton(buttons, tr("&Paste"), "paste"), &QPushButton::clicked, this, &CashFlowsForm::paste);
    connect(addButton(buttons, tr("C&opy"), "copy"), &QPushButton::clicked, this, &CashFlowsForm::copy);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(table_, &DataTable::copyRequested, this, &CashFlowsForm::copy);
    connect(table_, &DataTable::pasteRequested, this, &CashFlowsForm::paste);
    connect(table_, &DataTable::deleteRequested, this, &CashFlowsForm::deleteGroups);
    connect(table_, &DataTable::insertRequested, this, &CashFlowsForm::insertGroup);
    connect(model_, &CashFlowModel::edited, this, &CashFlowsForm::edited);
    connect(model_, &CashFlowModel::refused, this, &SideWindow::showNotice);
    connect(model_, &CashFlowModel::told, this, &SideWindow::showNotice);

    setContent(content);
    const int line = fontMetrics().height();
    table_->horizontalHeader()->resizeSection(CashFlowModel::FlowColumn, line * 4);
    table_->horizontalHeader()->resizeSection(CashFlowModel::ValueColumn, line * 10);
    resize(line * 24, line * 26);
    followCalculator();
}

QByteArray CashFlowsForm::CurrentInputs()
{
    QByteArray bytes;
    bytes.reserve(1300);
    for (int j = 0; j < MaxCashFlowGroups; ++j) {
        Append(bytes, Regs.registers[j]);
        Append(bytes, Regs.cashFlowCount[j]);
    }
    Append(bytes, Regs.registers[RegInterest]);
    Append(bytes, Regs.registers[RegPaymentsPerYear]);
    for (unsigned look : {Prefs.displayFormat(), Prefs.digits(), UnPrefs.base(), unsigned(Prefs.commaRadix()),
                          unsigned(UnPrefs.showAll())})
        Append(bytes, look);
    return bytes;
}

void CashFlowsForm::followCalculator()
{
    QByteArray inputs = CurrentInputs();
    if (inputs == inputs_)
        return;
    inputs_ = std::move(inputs);
    const QModelIndex current = table_->currentIndex();
    const int row = current.row(), column = current.column();
    model_->refresh();
    if (current.isValid() && !table_->currentIndex().isValid())
        table_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), column));
    showResults();
}

void CashFlowsForm::showResults()
{
    const double rate = Regs.registers[RegInterest];
    npv_->setText(tr("NPV at I/YR %1: %2").arg(Shown(rate), Shown(npv(rate))));
    const double irrRate = irr(rate);
    irr_->setText(std::isfinite(irrRate) ? tr("IRR/YR: %1").arg(Shown(irrRate))
                                         : tr("IRR/YR: error, no rate makes the NPV 0"));
}

void CashFlowsForm::edited()
{
    followCalculator();
    emit recordsChanged();
}

void CashFlowsForm::insertGroup()
{
    const int row = table_->currentIndex().isValid() ? table_->currentIndex().row() : model_->groups();
    const CashFlowRefusal refusal = InsertCashFlow(std::min(row, model_->groups()));
    if (refusal != CashFlowRefusal::None) {
        showNotice(CashFlowModel::RefusalText(refusal));
        return;
    }
    edited();
    table_->setCurrentIndex(model_->index(std::min(row, model_->groups() - 1), CashFlowModel::ValueColumn));
}

void CashFlowsForm::deleteGroups()
{
    QList<int> rows = table_->selectedRowNumbers();
    if (rows.isEmpty() && table_->currentIndex().isValid())
        rows.append(table_->currentIndex().row());
    std::vector<int> groups;
    for (int row : rows)
        if (row < model_->groups())
            groups.push_back(row);
    if (groups.empty())
        return;
    DeleteCashFlows(groups);
    edited();
}

bool CashFlowsForm::pasteText(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty()) {
        showNotice(tr("Not pasted: the clipboard holds no numbers."));
        return false;
    }
    const QModelIndex current = table_->currentIndex();
    const int first = current.isValid() ? std::min(current.row(), model_->groups()) : model_->groups();
    bool oneColumn = true;
    for (const QString& line : lines)
        oneColumn = oneColumn && !line.contains(QLatin1Char('\t'));
    const bool countsOnly = oneColumn && current.isValid() && current.column() == CashFlowModel::CountColumn;

    std::vector<CashFlowCells> rows;
    for (int n = 0; n < lines.size(); ++n) {
        const QStringList cells = lines[n].split(QLatin1Char('\t'));
        if (cells.size() > 2) {
            showNotice(tr("Not pasted: line %1 has more than two columns.").arg(n + 1));
            return false;
        }
        CashFlowCells row;
        for (int c = 0; c < cells.size(); ++c) {
            const bool count = countsOnly || c == 1;
            // An empty count leaves the count as it is.
            if (c == 1 && cells[c].trimmed().isEmpty())
                continue;
            const PastedNumber number = count ? CashFlowModel::ReadCount(cells[c]) : CashFlowModel::ReadValue(cells[c]);
            if (number.refusal != PasteAccepted) {
                showNotice(tr("Not pasted: line %1, column %2. %3")
                               .arg(n + 1)
                               .arg(c + 1)
                               .arg(CashFlowModel::NumberRefusalText(cells[c], number)));
                return false;
            }
            (count ? row.hasCount : row.hasValue) = true;
            (count ? row.count : row.value) = number.value;
        }
        rows.push_back(row);
    }
    int badRow = -1;
    const CashFlowRefusal refusal = PasteCashFlows(first, rows, &badRow);
    if (refusal == CashFlowRefusal::CountOutOfRange) {
        showNotice(tr("Not pasted: line %1. %2").arg(badRow + 1).arg(CashFlowModel::RefusalText(refusal)));
        return false;
    }
    if (refusal != CashFlowRefusal::None) {
        showNotice(tr("Not pasted. %1").arg(CashFlowModel::RefusalText(refusal)));
        return false;
    }
    edited();
    return true;
}

void CashFlowsForm::paste()
{
    pasteText(QApplication::clipboard()->text());
}

QString CashFlowsForm::copiedText() const
{
    QList<int> rows = table_->selectedRowNumbers();
    if (rows.isEmpty())
        for (int j = 0; j < model_->groups(); ++j)
            rows.append(j);
    QString text;
    for (int j : rows) {
        if (j >= model_->groups())
            continue;
        text += Shown(CashFlowValue(j)) + QLatin1Char('\t') + QString::number(CashFlowTimes(j)) + QLatin1Char('\n');
    }
    return text;
}

void CashFlowsForm::copy()
{
    QApplication::clipboard()->setText(copiedText());
}
