// SPDX-License-Identifier: GPL-3.0-or-later
#include "TapeForm.h"

#include "core/State.h"
#include "engine/Tape.h"
#include "engine/TapeText.h"
#include "ui/Accessibility.h"
#include "ui/Display.h"
#include "ui/Legends.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
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

QPushButton* AddButton(QHBoxLayout* row, const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

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
        const QString calculation = index.data(TapeForm::CalculationRole).toString();
        const QString result = index.data(TapeForm::ResultRole).toString();
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

    list_ = new QListWidget(central);
    list_->setObjectName(QStringLiteral("tapeLines"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every line is one text line high, so the list never measures them
    // one by one.
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setItemDelegate(new TapeLineDelegate(list_));
    QFont lineFont = LegendFont();
    if (basePointSize_ > 0)
        lineFont.setPointSizeF(basePointSize_ * LineFontShare);
    list_->setFont(lineFont);
    layout->addWidget(list_, 1);

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
    const QString text = QString::fromStdString(TapeLineText(line));
    auto* item = new QListWidgetItem(text);
    item->setData(CalculationRole, QString::fromStdString(line.calculation));
    item->setData(ResultRole, QString::fromStdString(line.result));
    list_->addItem(item);
    numbers_.push_back(number);
    lines_.append(text);
}

void TapeForm::removeRows(int first, int count)
{
    if (first == 0 && count == list_->count()) {
        list_->clear();
    } else {
        for (int i = 0; i < count; ++i)
            delete list_->takeItem(first);
    }
    numbers_.erase(numbers_.begin() + first, numbers_.begin() + first + count);
    lines_.erase(lines_.begin() + first, lines_.begin() + first + count);
}

void TapeForm::updateTape()
{
    const std::vector<const TapeEntry*> entries = TapeEntries();
    const std::vector<uint32_t> numbers = TapeNumbers();
    const Look look = CurrentLook();
    const int shown = int(numbers_.size());

    // Lines that fell off the top, then the lines that still stand: the
    // lines below them went with an undo or a clear.  A new look redraws
    // every line.
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
    if (added) {
        list_->scrollToBottom();
        // A screen reader hears of the new lines: each says its
        // calculation and result.
        AccessibleRowsInserted(list_, int(kept), int(numbers.size()) - 1);
    }
}

QString TapeForm::selectedText() const
{
    QList<int> rows;
    for (const QListWidgetItem* item : list_->selectedItems())
        rows.append(list_->row(item));
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
