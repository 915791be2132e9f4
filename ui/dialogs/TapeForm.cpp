// SPDX-License-Identifier: GPL-3.0-or-later
#include "TapeForm.h"

#include "core/State.h"
#include "engine/Tape.h"
#include "engine/TapeText.h"
#include "format/CopyText.h"
#include "platform/DurableFile.h"
#include "ui/Accessibility.h"
#include "ui/Display.h"
#include "ui/Legends.h"
#include "ui/SideWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The width at which the buttons have the interface font's size; a wider
// window shows them and the lines larger, up to twice that size.
constexpr int NaturalWidth = 360;
constexpr qreal LargestScale = 2.0;
// The lines are in the display's font, which is condensed: a little
// larger than the interface font, they read as easily.
constexpr qreal LineFontShare = 1.2;

// Draws a line as the calculation at the left and its result at the right
// edge.  A line too long for the list is drawn smaller, as the display
// draws a long number, so that nothing of it is cut off.
class TapeLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        // Lines are picked whole: no frame around a current one.
        item.state &= ~QStyle::State_HasFocus;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        const QString calculation = index.data(TapeModel::CalculationRole).toString();
        const QString result = index.data(TapeModel::ResultRole).toString();
        const QFont font = Display::fittedFont(item.font, calculation + QLatin1String("  ") + result, room.width());
        const QRect line = room.adjusted(0, 0, -Display::rightMargin(item.font), 0);
        painter->save();
        painter->setFont(font);
        painter->setPen(item.palette.color(QPalette::Normal, (item.state & QStyle::State_Selected)
                                                                 ? QPalette::HighlightedText
                                                                 : QPalette::Text));
        painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, calculation);
        painter->drawText(line, Qt::AlignRight | Qt::AlignVCenter, result);
        painter->restore();
    }
};

} // namespace

// ---- TapeModel

bool TapeModel::Look::operator==(const Look& other) const
{
    return format == other.format && digits == other.digits && base == other.base && comma == other.comma &&
           showAll == other.showAll && cashFlows == other.cashFlows;
}

TapeModel::Look TapeModel::CurrentLook()
{
    return {Prefs.displayFormat(), Prefs.digits(), UnPrefs.base(), Prefs.commaRadix(), UnPrefs.showAll(),
            Regs.lastRegister >= 0};
}

TapeModel::TapeModel(QObject* parent) : QAbstractListModel(parent)
{
    update();
}

int TapeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(numbers_.size());
}

QVariant TapeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(entries_.size()))
        return QVariant();
    const std::size_t row = std::size_t(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromStdString(TapeLineText(ComposeTapeLine(*entries_[row])));
    case CalculationRole:
        return QString::fromStdString(ComposeTapeLine(*entries_[row]).calculation);
    case ResultRole:
        return QString::fromStdString(ComposeTapeLine(*entries_[row]).result);
    case NumberRole:
        return uint(numbers_[row]);
    default:
        return QVariant();
    }
}

bool TapeModel::update()
{
    const std::vector<const TapeEntry*> entries = TapeEntries();
    const std::vector<uint32_t> numbers = TapeNumbers();
    auto remove = [this](std::size_t first, std::size_t count) {
        if (count == 0)
            return;
        beginRemoveRows(QModelIndex(), int(first), int(first + count - 1));
        numbers_.erase(numbers_.begin() + std::ptrdiff_t(first), numbers_.begin() + std::ptrdiff_t(first + count));
        entries_.erase(entries_.begin() + std::ptrdiff_t(first), entries_.begin() + std::ptrdiff_t(first + count));
        endRemoveRows();
    };

    // Rows that fell off the top, then the rows that still stand: the rows
    // below them went with an undo or a clear.
    const auto first = numbers.empty() ? numbers_.end() : std::find(numbers_.begin(), numbers_.end(), numbers.front());
    remove(0, std::size_t(first - numbers_.begin()));
    std::size_t kept = 0;
    while (kept < numbers_.size() && kept < numbers.size() && numbers_[kept] == numbers[kept])
        ++kept;
    remove(kept, numbers_.size() - kept);

    const Look look = CurrentLook();
    if (!(look == look_) && kept > 0)
        emit dataChanged(index(0), index(int(kept) - 1));
    look_ = look;

    const bool added = kept < numbers.size();
    if (added) {
        beginInsertRows(QModelIndex(), int(kept), int(numbers.size()) - 1);
        numbers_ = numbers;
        entries_ = entries;
        endInsertRows();
    }
    return added;
}

// ---- TapeForm

TapeForm::TapeForm(QWidget* parent) : QMainWindow(parent), basePointSize_(QApplication::font().pointSizeF())
{
    setWindowTitle(tr("Tape"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    search_ = new QLineEdit(central);
    search_->setObjectName(QStringLiteral("search"));
    search_->setPlaceholderText(tr("Search"));
    search_->setClearButtonEnabled(true);
    layout->addWidget(search_);

    model_ = new TapeModel(this);
    shown_ = new QSortFilterProxyModel(this);
    shown_->setSourceModel(model_);
    shown_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    connect(search_, &QLineEdit::textChanged, shown_, &QSortFilterProxyModel::setFilterFixedString);

    list_ = new QListView(central);
    list_->setObjectName(QStringLiteral("tapeLines"));
    list_->setModel(shown_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every line is one text line high, so the list never measures them
    // one by one.
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setItemDelegate(new TapeLineDelegate(list_));
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont lineFont = LegendFont();
    if (basePointSize_ > 0)
        lineFont.setPointSizeF(basePointSize_ * LineFontShare);
    list_->setFont(lineFont);
    layout->addWidget(list_, 1);
    // A double click or Return (activation, as the desktop has it) reuses
    // a line's result.
    connect(list_, &QAbstractItemView::activated, this, &TapeForm::useResult);
    connect(list_, &QWidget::customContextMenuRequested, this, &TapeForm::showLineMenu);

    auto* buttons = new QHBoxLayout;
    connect(SideWindow::addButton(buttons, tr("&Copy"), "copy"), &QPushButton::clicked, this, &TapeForm::copySelected);
    connect(SideWindow::addButton(buttons, tr("Copy &All"), "copyAll"), &QPushButton::clicked, this, &TapeForm::copyAll);
    connect(SideWindow::addButton(buttons, tr("C&lear"), "clear"), &QPushButton::clicked, this, &TapeForm::clearTape);
    connect(SideWindow::addButton(buttons, tr("&Save..."), "save"), &QPushButton::clicked, this, &TapeForm::save);
    layout->addLayout(buttons);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &TapeForm::copySelected);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });

    setCentralWidget(central);
    resize(NaturalWidth, 420);
    list_->setFocus();
    updateTape();
}

void TapeForm::updateTape()
{
    // The rows the search shows of the new lines.
    int first = -1, last = -1;
    const QMetaObject::Connection shown =
        connect(shown_, &QAbstractItemModel::rowsInserted, this, [&first, &last](const QModelIndex&, int from, int to) {
            if (first < 0)
                first = from;
            last = to;
        });
    const bool added = model_->update();
    disconnect(shown);
    if (!added)
        return;
    list_->scrollToBottom();
    // A screen reader hears of the new lines: each says its calculation and
    // result.
    if (first >= 0)
        AccessibleRowsInserted(list_, first, last);
}

QStringList TapeForm::lines() const
{
    QStringList lines;
    for (int row = 0; row < model_->rowCount(); ++row)
        lines.append(model_->index(row).data().toString());
    return lines;
}

QString TapeForm::selectedText() const
{
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        for (int row = 0; row < shown_->rowCount(); ++row)
            rows.append(shown_->index(row, 0));
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString text;
    for (const QModelIndex& row : rows)
        text += row.data().toString() + QLatin1Char('\n');
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
    const QStringList all = lines();
    if (!all.isEmpty())
        QApplication::clipboard()->setText(all.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TapeForm::clearTape()
{
    ClearTape();
    updateTape();
}

namespace {

// The entry of a line of the list, or nullptr when the tape no longer
// shows it.
const TapeEntry* EntryOf(const QModelIndex& index)
{
    return index.isValid() ? FindTapeEntry(uint32_t(index.data(TapeModel::NumberRole).toUInt())) : nullptr;
}

} // namespace

void TapeForm::useResult(const QModelIndex& index)
{
    if (index.isValid() && RecallTapeEntry(uint32_t(index.data(TapeModel::NumberRole).toUInt())))
        emit resultRecalled();
}

void TapeForm::copyResult(const QModelIndex& index)
{
    if (const TapeEntry* entry = EntryOf(index)) {
        const TapeValue& result = TapeResult(*entry);
        const QString text = QString::fromStdString(FullPrecisionCopyText(result.value, result.label));
        if (!text.isEmpty())
            QApplication::clipboard()->setText(text);
    }
}

void TapeForm::copyLine(const QModelIndex& index)
{
    if (index.isValid())
        QApplication::clipboard()->setText(index.data().toString() + QLatin1Char('\n'));
}

void TapeForm::showLineMenu(const QPoint& position)
{
    const QPersistentModelIndex index = list_->indexAt(position);
    if (!index.isValid())
        return;
    QMenu menu(this);
    menu.addAction(tr("&Use Result"), this, [this, index] { useResult(index); });
    menu.addAction(tr("Copy &Result"), this, [this, index] { copyResult(index); });
    menu.addAction(tr("Copy &Line"), this, [this, index] { copyLine(index); });
    menu.exec(list_->viewport()->mapToGlobal(position));
}

bool TapeForm::saveTo(const QString& path, FileFormat format)
{
    QString error;
    return ReplaceFileWith(path, format == Csv ? TapeCsv() : TapePlainText(), &error);
}

void TapeForm::save()
{
    const QString text = tr("Plain text (*.txt)"), csv = tr("CSV (*.csv)");
    QString filter = text;
    QString path = QFileDialog::getSaveFileName(this, tr("Save Tape"), tr("tape.txt"),
                                                text + QLatin1String(";;") + csv, &filter);
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
    if (basePointSize_ <= 0)
        return; // an interface font set in pixels keeps its size
    // The lines and the buttons grow with the window, as the main
    // window's legends and display do.
    const qreal scale = std::clamp(qreal(width()) / NaturalWidth, qreal(1), LargestScale);
    QFont buttons = centralWidget()->font();
    buttons.setPointSizeF(basePointSize_ * scale);
    if (buttons != centralWidget()->font())
        centralWidget()->setFont(buttons);
    QFont lines = list_->font();
    lines.setPointSizeF(basePointSize_ * LineFontShare * scale);
    if (lines != list_->font())
        list_->setFont(lines);
}
