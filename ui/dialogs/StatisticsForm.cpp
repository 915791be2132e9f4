// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsForm.h"

#include "PointsModel.h"
#include "StatisticsPlot.h"

#include "core/State.h"
#include "engine/Statistics.h"
#include "engine/StatisticsData.h"
#include "format/CopyText.h"
#include "format/TableText.h"
#include "platform/DurableFile.h"
#include "ui/Accessibility.h"
#include "ui/ClipboardText.h"
#include "ui/NumberText.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDevice>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The largest CSV file read: far more than 10,000 points take.
constexpr qint64 LargestImport = 16 * 1024 * 1024;

// The summary: each result with its symbol and, for screen readers, its
// name; in the grid, x's results at the left and y's at the right.
struct SummaryItem {
    const char* symbol;
    const char* name;
    double StatisticsResults::*value;
    int row, column;
};

const SummaryItem SummaryItems[] = {
    {"n", QT_TRANSLATE_NOOP("StatisticsForm", "Number of points"), &StatisticsResults::n, 0, 0},
    {"r", QT_TRANSLATE_NOOP("StatisticsForm", "Correlation"), &StatisticsResults::correlation, 0, 1},
    {"x\u0304", QT_TRANSLATE_NOOP("StatisticsForm", "Mean of x"), &StatisticsResults::meanX, 1, 0},
    {"\u0233", QT_TRANSLATE_NOOP("StatisticsForm", "Mean of y"), &StatisticsResults::meanY, 1, 1},
    {"sx", QT_TRANSLATE_NOOP("StatisticsForm", "Sample deviation of x"), &StatisticsResults::sampleX, 2, 0},
    {"sy", QT_TRANSLATE_NOOP("StatisticsForm", "Sample deviation of y"), &StatisticsResults::sampleY, 2, 1},
    {"\u03C3x", QT_TRANSLATE_NOOP("StatisticsForm", "Population deviation of x"), &StatisticsResults::populationX,
     3, 0},
    {"\u03C3y", QT_TRANSLATE_NOOP("StatisticsForm", "Population deviation of y"), &StatisticsResults::populationY,
     3, 1},
    {"m", QT_TRANSLATE_NOOP("StatisticsForm", "Slope"), &StatisticsResults::slope, 4, 0},
    {"b", QT_TRANSLATE_NOOP("StatisticsForm", "Intercept"), &StatisticsResults::intercept, 4, 1},
};
constexpr int SummaryCount = int(sizeof SummaryItems / sizeof SummaryItems[0]);

} // namespace

StatisticsForm::StatisticsForm(QWidget* parent) : SideWindow(QStringLiteral("statistics"), parent)
{
    setWindowTitle(tr("Statistics Data"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    // How the list stands with the sums, and what can be done about it.
    auto* agreementRow = new QHBoxLayout;
    agreement_ = new QLabel(central);
    agreement_->setObjectName(QStringLiteral("agreement"));
    agreement_->setWordWrap(true);
    // A screen reader reads it out when the list stops agreeing.
    MakeAccessibleNotice(agreement_);
    agreementRow->addWidget(agreement_, 1);
    rebuild_ = addButton(agreementRow, tr("&Rebuild the sums from the list"), "rebuild");
    clearList_ = addButton(agreementRow, tr("C&lear the list"), "clearList");
    layout->addLayout(agreementRow);
    connect(rebuild_, &QPushButton::clicked, this, &StatisticsForm::rebuildSums);
    connect(clearList_, &QPushButton::clicked, this, &StatisticsForm::clearList);

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setChildrenCollapsible(false);

    // The table and its buttons.
    auto* tablePane = new QWidget(splitter);
    auto* tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    model_ = new PointsModel(this);
    table_ = new QTableView(tablePane);
    table_->setObjectName(QStringLiteral("points"));
    table_->setAccessibleName(tr("Points"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Every row one line high, so that 10,000 rows are never measured.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() * 3 / 2);
    table_->setWordWrap(false);
    tableLayout->addWidget(table_, 1);
    auto* tableButtons = new QGridLayout;
    auto* firstRow = new QHBoxLayout;
    auto* secondRow = new QHBoxLayout;
    connect(addButton(firstRow, tr("&Add Row"), "addRow"), &QPushButton::clicked, this, &StatisticsForm::addRow);
    connect(addButton(firstRow, tr("&Delete Rows"), "deleteRows"), &QPushButton::clicked, this,
            &StatisticsForm::deleteRows);
    connect(addButton(firstRow, tr("&Paste"), "paste"), &QPushButton::clicked, this, &StatisticsForm::paste);
    connect(addButton(secondRow, tr("&Import..."), "import"), &QPushButton::clicked, this,
            &StatisticsForm::importFile);
    connect(addButton(secondRow, tr("E&xport..."), "export"), &QPushButton::clicked, this,
            &StatisticsForm::exportFile);
    tableButtons->addLayout(firstRow, 0, 0);
    tableButtons->addLayout(secondRow, 1, 0);
    tableLayout->addLayout(tableButtons);

    // The plot, the summary under it and the copy of the equation.
    auto* plotPane = new QWidget(splitter);
    auto* plotLayout = new QVBoxLayout(plotPane);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    plot_ = new StatisticsPlot(plotPane);
    plot_->setPoints(&model_->points());
    plotLayout->addWidget(plot_, 1);
    auto* summary = new QGridLayout;
    for (int i = 0; i < SummaryCount; ++i) {
        summary_[i] = new QLabel(plotPane);
        summary_[i]->setObjectName(QLatin1String("summary-") + QString::fromUtf8(SummaryItems[i].symbol));
        summary_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summary->addWidget(summary_[i], SummaryItems[i].row, SummaryItems[i].column);
    }
    summary->setColumnStretch(0, 1);
    summary->setColumnStretch(1, 1);
    plotLayout->addLayout(summary);
    auto* copyRow = new QHBoxLayout;
    copyRow->addStretch(1);
    connect(addButton(copyRow, tr("&Copy Equation"), "copyEquation"), &QPushButton::clicked, this,
            &StatisticsForm::copyEquation);
    plotLayout->addLayout(copyRow);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter, 1);

    layout->setContentsMargins(0, 0, 0, 0);
    setContent(central);

    connect(model_, &PointsModel::edited, this, &StatisticsForm::edited);
    // A point or two added by a key are announced, as new tape lines are;
    // a paste of thousands is not read out row by row.
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        if (last - first < 3)
            AccessibleRowsInserted(table_, first, last);
    });
    connect(model_, &PointsModel::refused, this, &SideWindow::showNotice);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StatisticsForm::selectionChanged);
    // The table's own keys: Delete removes the rows, the clipboard keys
    // copy rows and paste points.
    auto* del = new QShortcut(QKeySequence::Delete, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &StatisticsForm::deleteRows);
    auto* copy = new QShortcut(QKeySequence::Copy, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &StatisticsForm::copyRows);
    auto* pasteKey = new QShortcut(QKeySequence::Paste, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(pasteKey, &QShortcut::activated, this, &StatisticsForm::paste);
    resize(720, 520);
    updateData();
}

QString StatisticsForm::EquationText(const StatisticsResults& results,
                                     const std::function<QString(double)>& number)
{
    if (!std::isfinite(results.slope) || !std::isfinite(results.intercept))
        return tr("No line: it needs two points with different x.");
    const QString sign = std::signbit(results.intercept) ? QStringLiteral("\u2212") : QStringLiteral("+");
    //: The least-squares line: %1 the slope, %2 + or −, %3 the intercept.
    return tr("y = %1\u00B7x %2 %3").arg(number(results.slope), sign, number(std::fabs(results.intercept)));
}

QString StatisticsForm::CorrelationText(const StatisticsResults& results,
                                        const std::function<QString(double)>& number)
{
    //: The correlation of the points.
    return tr("r = %1").arg(number(results.correlation));
}

void StatisticsForm::updateData()
{
    const bool changed = model_->refresh();
    if (changed)
        plot_->pointsChanged();
    const StatisticsResults results = CurrentStatisticsResults();
    const std::size_t count = model_->points().size();
    plot_->setLine(std::isfinite(results.slope) && std::isfinite(results.intercept) && count > 0);
    plot_->setLegend(tr("Points"), EquationText(results, ShownNumber), CorrelationText(results, ShownNumber));
    selectionChanged();
    updateSummary();
    updateAgreement();
}

void StatisticsForm::updateSummary()
{
    const StatisticsResults results = CurrentStatisticsResults();
    for (int i = 0; i < SummaryCount; ++i) {
        const SummaryItem& item = SummaryItems[i];
        const QString value = ShownNumber(results.*item.value);
        summary_[i]->setText(QString::fromUtf8(item.symbol) + QLatin1String(" = ") + value);
        summary_[i]->setAccessibleName(SpokenValue(tr(item.name), value));
    }
}

QString StatisticsForm::summaryText() const
{
    QStringList lines;
    for (QLabel* label : summary_)
        lines.append(label->text());
    return lines.join(QLatin1Char('\n'));
}

void StatisticsForm::updateAgreement()
{
    switch (PointsAgree()) {
    case PointsAgreement::Match:
        agreement_->hide();
        rebuild_->hide();
        clearList_->hide();
        return;
    case PointsAgreement::Differ:
        agreement_->setText(tr("The sums do not match the list: a point that the list does not hold was "
                               "removed, or a sum was changed otherwise."));
        rebuild_->show();
        clearList_->show();
        break;
    case PointsAgreement::Incomplete:
        if (StatisticsPointsGap() == PointsPastLimit)
            agreement_->setText(tr("The list holds only the first %1 points; the sums hold all %2.")
                                    .arg(QLocale().toString(qulonglong(PointsCapacity)),
                                         ShownNumber(Regs.registers[RegCount])));
        else
            agreement_->setText(tr("The sums also hold points that are not in the list: it was cleared on its "
                                   "own, or they were entered before the list was kept."));
        rebuild_->hide();
        clearList_->hide();
        break;
    }
    agreement_->show();
}

void StatisticsForm::selectionChanged()
{
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        if (!model_->isNewRow(index.row()))
            rows.push_back(index.row());
    plot_->setSelectedRows(std::move(rows));
}

void StatisticsForm::edited()
{
    notice()->hide();
    updateData();
    emit recordsChanged();
}

void StatisticsForm::addRow()
{
    const int row = model_->rowCount() - 1;
    if (row < 0 || !model_->isNewRow(row)) {
        showNotice(tr("The list holds at most %1 points.").arg(QLocale().toString(qulonglong(PointsCapacity))));
        return;
    }
    const QModelIndex cell = model_->index(row, PointsModel::ColumnX);
    table_->setCurrentIndex(cell);
    table_->scrollTo(cell);
    table_->setFocus();
    table_->edit(cell);
}

void StatisticsForm::deleteRows()
{
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        if (!model_->isNewRow(index.row()))
            rows.push_back(std::size_t(index.row()));
    if (rows.empty() && table_->currentIndex().isValid() && !model_->isNewRow(table_->currentIndex().row()))
        rows.push_back(std::size_t(table_->currentIndex().row()));
    if (DeletePoints(rows)) {
        table_->clearSelection();
        edited();
    }
}

namespace {

// What the window says about refused points.
QString RefusalNotice(const PastedPoints& pasted, const QString& what)
{
    const PastedTable& t = pasted.table;
    switch (pasted.refusal) {
    case PointsRefusal::None: return QString();
    case PointsRefusal::Cell:
        if (t.line == 0)
            //: %1 is "Nothing was pasted" or "Nothing was imported".
            return StatisticsForm::tr("%1: there are no numbers.").arg(what);
        //: %1 is "Nothing was pasted" or "Nothing was imported"; %2 the line, %3 the column, %4 the cell's text.
        return StatisticsForm::tr("%1: line %2, column %3 is not a number: \u201C%4\u201D.")
            .arg(what)
            .arg(t.line)
            .arg(t.column)
            .arg(QString::fromStdString(t.cell).left(40));
    case PointsRefusal::Columns:
        //: %1 is "Nothing was pasted" or "Nothing was imported"; %2 the line, %3 its number of cells.
        return StatisticsForm::tr("%1: line %2 has %3 cells; a point has x and y.").arg(what).arg(t.line).arg(t.column);
    case PointsRefusal::Room:
        //: %1 is "Nothing was pasted" or "Nothing was imported"; %2 is 10,000.
        return StatisticsForm::tr("%1: the list holds at most %2 points.")
            .arg(what, QLocale().toString(qulonglong(PointsCapacity)));
    }
    return QString();
}

} // namespace

void StatisticsForm::paste()
{
    const QByteArray text = QApplication::clipboard()->text().toUtf8();
    const PastedPoints pasted = PastePoints(std::string_view(text.constData(), std::size_t(text.size())));
    if (pasted.refusal != PointsRefusal::None) {
        showNotice(RefusalNotice(pasted, tr("Nothing was pasted")));
        return;
    }
    edited();
    table_->scrollToBottom();
}

void StatisticsForm::copyRows()
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        if (!model_->isNewRow(index.row()))
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    // Every digit, as the cells are edited.
    auto number = [](double value) { return QString::fromStdString(FullPrecisionCopyText(value, 0)); };
    QString text;
    for (int row : rows) {
        const DataPoint& p = model_->points()[std::size_t(row)];
        text += number(p.x) + QLatin1Char('\t') + number(p.y) + QLatin1Char('\n');
    }
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void StatisticsForm::copyEquation()
{
    const auto number = [](double v) -> QString {
        const QString text = QString::fromStdString(CopyNumberText(v));
        return text.isEmpty() ? ShownNumber(v) : text;
    };
    const StatisticsResults results = CurrentStatisticsResults();
    QApplication::clipboard()->setText(EquationText(results, number) + QLatin1Char('\n') +
                                       CorrelationText(results, number) + QLatin1Char('\n'));
}

bool StatisticsForm::importFrom(const QString& path)
{
    // Only a regular file: a FIFO or a device would never end.
    const FileRead file = ReadRegularFile(path, LargestImport);
    if (file.kind != FileKind::Regular || file.tooLarge || !file.error.isEmpty()) {
        showNotice(tr("Nothing was imported: %1 could not be read.").arg(path));
        return false;
    }
    const QByteArray& text = file.bytes;
    const PastedPoints pasted = PastePoints(std::string_view(text.constData(), std::size_t(text.size())));
    if (pasted.refusal != PointsRefusal::None) {
        showNotice(RefusalNotice(pasted, tr("Nothing was imported")));
        return false;
    }
    edited();
    table_->scrollToBottom();
    return true;
}

bool StatisticsForm::exportTo(const QString& path)
{
    QString error;
    return ReplaceFileWith(path, PointsCsv(), &error);
}

void StatisticsForm::importFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Points"), QString(),
                                                      tr("CSV (*.csv);;Text (*.txt *.tsv);;All files (*)"));
    if (!path.isEmpty())
        importFrom(path);
}

void StatisticsForm::exportFile()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Points"), tr("points.csv"), tr("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportTo(path))
        QMessageBox::warning(this, tr("Export Points"), tr("The points could not be saved to %1.").arg(path));
}

void StatisticsForm::rebuildSums()
{
    if (RebuildSumsFromPoints())
        edited();
}

void StatisticsForm::clearList()
{
    ClearPointList();
    edited();
}
