#include "TapeForm.h"

#include "core/State.h"
#include "engine/Tape.h"
#include "engine/TapeText.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { CalculationColumn, ResultColumn };

// The width at which the lines have the interface font's size; a wider
// window shows them larger, up to twice that size.
constexpr int NaturalWidth = 360;
constexpr qreal LargestScale = 2.0;

QPushButton* AddButton(QHBoxLayout* row, const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// Rows are picked whole: the frame of a current cell would only mark one
// half of a line.
class WholeRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

bool TapeForm::Look::operator==(const Look& other) const
{
    return format == other.format && digits == other.digits && base == other.base && comma == other.comma &&
           showAll == other.showAll && cashFlows == other.cashFlows;
}

TapeForm::Look TapeForm::CurrentLook()
{
    return {Prefs.displayFormat(), Prefs.digits(), UnPrefs.base(), Prefs.commaRadix(), UnPrefs.showAll(),
            Regs.lastRegister >= 0};
}

TapeForm::TapeForm(QWidget* parent) : QMainWindow(parent), basePointSize_(QApplication::font().pointSizeF())
{
    setWindowTitle(tr("Tape"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    table_ = new QTableWidget(0, 2, central);
    table_->setObjectName(QStringLiteral("tapeLines"));
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setItemDelegate(new WholeRowDelegate(table_));
    // The calculation as wide as it needs, the result filling the rest at
    // the right edge.
    table_->horizontalHeader()->setSectionResizeMode(CalculationColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    connect(AddButton(buttons, tr("Copy"), "copy"), &QPushButton::clicked, this, &TapeForm::copySelected);
    connect(AddButton(buttons, tr("Copy All"), "copyAll"), &QPushButton::clicked, this, &TapeForm::copyAll);
    connect(AddButton(buttons, tr("Clear"), "clear"), &QPushButton::clicked, this, &TapeForm::clearTape);
    connect(AddButton(buttons, tr("Save..."), "save"), &QPushButton::clicked, this, &TapeForm::save);
    layout->addLayout(buttons);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &TapeForm::copySelected);

    setCentralWidget(central);
    resize(NaturalWidth, 420);
    updateTape();
}

void TapeForm::appendRow(const TapeEntry& entry, uint32_t number)
{
    const TapeLine line = ComposeTapeLine(entry);
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, CalculationColumn, new QTableWidgetItem(QString::fromStdString(line.calculation)));
    auto* result = new QTableWidgetItem(QString::fromStdString(line.result));
    result->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, ResultColumn, result);
    numbers_.push_back(number);
    lines_.append(QString::fromStdString(TapeLineText(line)));
}

void TapeForm::removeRows(int first, int count)
{
    for (int i = 0; i < count; ++i)
        table_->removeRow(first);
    numbers_.erase(numbers_.begin() + first, numbers_.begin() + first + count);
    lines_.erase(lines_.begin() + first, lines_.begin() + first + count);
}

void TapeForm::updateTape()
{
    const std::vector<const TapeEntry*> entries = TapeEntries();
    const std::vector<uint32_t> numbers = TapeSerials();
    const Look look = CurrentLook();
    const int shown = int(numbers_.size());

    // Lines that fell off the top, then the lines that still stand: the
    // rows below them went with an undo or a clear, or the format changed.
    int dropped = shown;
    if (look == look_ && !numbers.empty()) {
        auto first = std::find(numbers_.begin(), numbers_.end(), numbers.front());
        dropped = int(first - numbers_.begin());
    }
    removeRows(0, dropped);
    std::size_t kept = 0;
    while (kept < numbers_.size() && kept < numbers.size() && numbers_[kept] == numbers[kept])
        ++kept;
    removeRows(int(kept), int(numbers_.size() - kept));
    look_ = look;

    const bool added = kept < numbers.size();
    for (std::size_t i = kept; i < numbers.size(); ++i)
        appendRow(*entries[i], numbers[i]);
    if (added)
        table_->scrollToBottom();
}

QString TapeForm::selectedText() const
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty())
        return lines_.isEmpty() ? QString() : lines_.join(QLatin1Char('\n')) + QLatin1Char('\n');
    QString text;
    for (int row : rows)
        text += lines_.value(row) + QLatin1Char('\n');
    return text;
}

void TapeForm::copySelected()
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void TapeForm::copyAll()
{
    if (!lines_.isEmpty())
        QApplication::clipboard()->setText(lines_.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TapeForm::clearTape()
{
    ClearTape();
    updateTape();
}

bool TapeForm::saveTo(const QString& path, FileFormat format)
{
    const std::string text = format == Csv ? TapeCsv() : TapePlainText();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.data(), qint64(text.size()));
    return file.commit();
}

void TapeForm::save()
{
    const QString text = tr("Plain text (*.txt)"), csv = tr("CSV (*.csv)");
    QString filter = text;
    QString path = QFileDialog::getSaveFileName(this, tr("Save Tape"), tr("tape.txt"), text + QLatin1String(";;") + csv,
                                                &filter);
    if (path.isEmpty())
        return;
    const FileFormat format =
        filter == csv || path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? Csv : PlainText;
    if (!saveTo(path, format))
        QMessageBox::warning(this, tr("Save Tape"), tr("The tape could not be saved to %1.").arg(path));
}

void TapeForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The lines grow with the window, as the main window's text does.
    const qreal scale = std::clamp(qreal(width()) / NaturalWidth, qreal(1), LargestScale);
    QFont font = table_->font();
    font.setPointSizeF(basePointSize_ * scale);
    if (font != table_->font())
        table_->setFont(font);
}
