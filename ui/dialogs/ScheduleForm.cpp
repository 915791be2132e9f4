// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScheduleForm.h"

#include "core/State.h"
#include "engine/Schedule.h"
#include "format/Strings.h"
#include "platform/DurableFile.h"
#include "ui/DataTable.h"
#include "ui/ScheduleChart.h"
#include "ui/ScheduleExport.h"
#include "ui/ScheduleModel.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDevice>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <cmath>
#include <cstring>

namespace {

const int InputRegisters[6] = {RegN, RegInterest, RegPresentValue, RegPayment, RegFutureValue, RegPaymentsPerYear};

// Year rows and the totals in bold on the alternate background.  A cell is
// one line of digits that fits its column: it is drawn as plain text, not
// laid out for eliding and wrapping, which would cost most of a repaint.
class ScheduleRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(QPalette::Normal, (item.state & QStyle::State_Selected)
                                                                 ? QPalette::HighlightedText
                                                                 : QPalette::Text));
        painter->drawText(room.adjusted(0, 0, -item.fontMetrics.horizontalAdvance(QLatin1Char(' ')), 0),
                          int(item.displayAlignment), text);
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(ScheduleModel::KindRole).toInt() != int(ScheduleRowKind::Period)) {
            option->font.setBold(true);
            option->fontMetrics = QFontMetrics(option->font);
            option->backgroundBrush = option->palette.alternateBase();
        }
    }
};

// A count such as N or P/YR: the whole number as digits, else as shown.
QString CountText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return ScheduleModel::amountText(value);
}

} // namespace

bool ScheduleForm::Inputs::operator==(const Inputs& other) const
{
    return registers == other.registers && begin == other.begin && format == other.format &&
           digits == other.digits;
}

bool ScheduleForm::Look::operator==(const Look& other) const
{
    return base == other.base && comma == other.comma && showAll == other.showAll;
}

ScheduleForm::Inputs ScheduleForm::CurrentInputs()
{
    Inputs inputs{};
    for (std::size_t i = 0; i < inputs.registers.size(); ++i) {
        const double value = Regs.registers[InputRegisters[i]];
        std::memcpy(&inputs.registers[i], &value, sizeof value);
    }
    inputs.begin = Prefs.beginMode();
    inputs.format = Prefs.displayFormat();
    inputs.digits = Prefs.digits();
    return inputs;
}

ScheduleForm::Look ScheduleForm::CurrentLook()
{
    return {UnPrefs.base(), Prefs.commaRadix(), UnPrefs.showAll()};
}

ScheduleForm::ScheduleForm(QWidget* parent) : SideWindow(QStringLiteral("schedule"), parent)
{
    setWindowTitle(tr("Loan Schedule"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);

    terms_ = new QLabel;
    terms_->setObjectName(QStringLiteral("terms"));
    terms_->setWordWrap(true);
    terms_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A screen reader reads the terms themselves; this says what they are.
    terms_->setAccessibleDescription(tr("Terms of the loan"));
    layout->addWidget(terms_);

    chart_ = new ScheduleChart;
    model_ = new ScheduleModel(this);
    table_ = new DataTable;
    table_->setObjectName(QStringLiteral("schedule"));
    table_->setModel(model_);
    table_->setItemDelegate(new ScheduleRowDelegate(table_));
    table_->setAccessibleName(tr("Schedule"));
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(chart_);
    splitter->addWidget(table_);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->handle(1)->setAccessibleName(tr("Divider between the chart and the table"));
    layout->addWidget(splitter, 1);

    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("note"));
    note_->setWordWrap(true);
    note_->hide();
    layout->addWidget(note_);

    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, tr("C&opy"), "copy"), &QPushButton::clicked, this, &ScheduleForm::copySelected);
    connect(addButton(buttons, tr("Save &CSV..."), "saveCsv"), &QPushButton::clicked, this,
            &ScheduleForm::saveCsvAs);
    connect(addButton(buttons, tr("Save &PDF..."), "savePdf"), &QPushButton::clicked, this,
            &ScheduleForm::savePdfAs);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(table_, &DataTable::copyRequested, this, &ScheduleForm::copySelected);

    setContent(content);
    followCalculator();
    // As wide as the columns, as high as a year of rows under the chart.
    const int line = fontMetrics().height();
    const int columns = table_->horizontalHeader()->length() + table_->verticalScrollBar()->sizeHint().width() +
                        2 * table_->frameWidth() + 2 * line;
    resize(std::max(columns, line * 30), line * 42);
}

void ScheduleForm::followCalculator()
{
    const Inputs inputs = CurrentInputs();
    const Look look = CurrentLook();
    if (shown_ && inputs == inputs_ && look == look_)
        return;
    if (!shown_ || !(inputs == inputs_)) {
        auto schedule = std::make_shared<const Schedule>(ReadSchedule());
        model_->setSchedule(schedule);
        chart_->setSchedule(schedule);
    } else {
        model_->refreshTexts();
        chart_->update();
    }
    inputs_ = inputs;
    look_ = look;
    shown_ = true;
    showTexts();
    fitColumns();
}

void ScheduleForm::showTexts()
{
    const auto reg = [](int r) { return double(Regs.registers[r]); };
    const QString separator = QStringLiteral("   ");
    // A name and its value stay on one line when the terms wrap.
    const QChar space(0xa0);
    QStringList terms = {QStringLiteral("N") + space + CountText(reg(RegN)),
                         QStringLiteral("I/YR") + space + ScheduleModel::amountText(reg(RegInterest)),
                         QStringLiteral("PV") + space + ScheduleModel::amountText(reg(RegPresentValue)),
                         QStringLiteral("PMT") + space + ScheduleModel::amountText(reg(RegPayment)),
                         QStringLiteral("FV") + space + ScheduleModel::amountText(reg(RegFutureValue)),
                         QStringLiteral("P/YR") + space + CountText(reg(RegPaymentsPerYear))};
    terms_->setText(terms.join(separator) + separator +
                    (Prefs.beginMode() ? tr("payments at the start of each period")
                                       : tr("payments at the end of each period")));

    const Schedule& schedule = *model_->schedule();
    QString note;
    switch (schedule.problem) {
    case ScheduleProblem::PeriodsNotWhole:
        note = tr("No schedule: N is not a whole number of periods from 1 to 65,535.");
        break;
    case ScheduleProblem::RegisterError:
        note = tr("No schedule: %1 is error.").arg(QString::fromLatin1(GetString(schedule.errorLabel)));
        break;
    case ScheduleProblem::None:
        if (!schedule.endsAtTarget)
            note = tr("A final payment of %1 instead of %2 would end the schedule at %3.")
                       .arg(ScheduleModel::amountText(schedule.finalPayment),
                            ScheduleModel::amountText(schedule.terms.payment),
                            ScheduleModel::amountText(schedule.target));
        break;
    }
    note_->setText(note);
    note_->setVisible(!note.isEmpty());

    if (schedule.problem == ScheduleProblem::None)
        chart_->setAccessibleDescription(
            tr("The balance goes from %1 to %2 over %3 periods; %4 of interest and %5 of principal in all.")
                .arg(ScheduleModel::amountText(schedule.start),
                     ScheduleModel::amountText(schedule.balances.back()), QString::number(schedule.periods),
                     ScheduleModel::amountText(schedule.total.interest),
                     ScheduleModel::amountText(schedule.total.principal)));
    else
        chart_->setAccessibleDescription(note);
}

// Columns as wide as their widest texts: those of the totals, which are the
// largest amounts, of the first rows, and the column names; and no
// narrower than a sum in the millions.
void ScheduleForm::fitColumns()
{
    const int rows = model_->rowCount();
    QFont boldFont = table_->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    const QString millions = ScheduleModel::amountText(-9999999.99);
    QList<int> widths;
    for (const QString& name : model_->columnNames())
        widths.append(std::max(table_->horizontalHeader()->fontMetrics().horizontalAdvance(name),
                               widths.isEmpty() ? 0 : bold.horizontalAdvance(millions)));
    for (int row : {0, 1, rows - 1}) {
        if (row < 0 || row >= rows)
            continue;
        const QStringList texts = model_->rowTexts(row);
        for (int column = 0; column < texts.size(); ++column)
            widths[column] = std::max(widths[column], bold.horizontalAdvance(texts[column]));
    }
    const int padding = table_->fontMetrics().horizontalAdvance(QStringLiteral("000"));
    for (int column = 0; column < widths.size(); ++column)
        table_->horizontalHeader()->resizeSection(column, widths[column] + padding);
}

QString ScheduleForm::selectedText() const
{
    const QList<int> rows = table_->selectedRowNumbers();
    if (!rows.isEmpty())
        return ScheduleTabText(*model_, rows, false);
    QList<int> all;
    for (int row = 0; row < model_->rowCount(); ++row)
        all.append(row);
    return ScheduleTabText(*model_, all, true);
}

void ScheduleForm::copySelected()
{
    if (model_->rowCount() > 0)
        QApplication::clipboard()->setText(selectedText());
}

bool ScheduleForm::saveCsv(const QString& path, QString* error) const
{
    return ReplaceFileWith(path, ScheduleCsv(*model_), error);
}

bool ScheduleForm::savePdf(const QString& path, QString* error) const
{
    const QString note = note_->text();
    return ReplaceFile(
        path, [&](QFileDevice& file) { return WriteSchedulePdf(file, *model_, windowTitle(), terms_->text(), note); },
        nullptr, error);
}

void ScheduleForm::saveCsvAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Schedule as CSV"), tr("schedule.csv"),
                                                      tr("CSV (*.csv)"));
    QString error;
    if (!path.isEmpty() && !saveCsv(path, &error))
        showNotice(tr("The schedule could not be saved to %1: %2.").arg(path, error));
}

void ScheduleForm::savePdfAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Schedule as PDF"), tr("schedule.pdf"),
                                                      tr("PDF (*.pdf)"));
    QString error;
    if (!path.isEmpty() && !savePdf(path, &error))
        showNotice(tr("The schedule could not be saved to %1: %2.").arg(path, error));
}
