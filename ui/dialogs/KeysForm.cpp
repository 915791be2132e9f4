// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeysForm.h"

#include "core/State.h"
#include "ui/FunctionNames.h"
#include "ui/KeyNames.h"
#include "ui/KeyReference.h"
#include "ui/Legends.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The width of a keyboard note that never wraps, in average characters.
constexpr int NoteWidthInCharacters = 16;

QTableWidget* MakeTable(QWidget* parent, const QStringList& headers)
{
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Long keyboard notes wrap; rows grow to their lines (FitColumns).
    table->setWordWrap(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // Columns fit every row's text, not only the rows in view.
    table->horizontalHeader()->setResizeContentsPrecision(-1);
    table->verticalHeader()->setResizeContentsPrecision(-1);
    table->verticalHeader()->setMinimumSectionSize(table->fontMetrics().height() * 3 / 2);
    return table;
}

// Each column as wide as its texts, but a column of keyboard notes no wider
// than a short note: longer ones wrap onto further lines.  Returns the
// width of the columns together.
int FitColumns(QTableWidget* table, int notesColumn)
{
    table->resizeColumnsToContents();
    const QFontMetrics metrics(table->font());
    const int padding = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 2;
    int words = table->horizontalHeader()->sectionSizeHint(notesColumn);
    for (int row = 0; row < table->rowCount(); ++row)
        if (const QTableWidgetItem* item = table->item(row, notesColumn))
            for (const QString& word : item->text().split(QLatin1Char(' ')))
                words = std::max(words, metrics.horizontalAdvance(word) + padding);
    const int widest = std::max(words, metrics.averageCharWidth() * NoteWidthInCharacters);
    if (table->columnWidth(notesColumn) > widest)
        table->setColumnWidth(notesColumn, widest);
    table->resizeRowsToContents();
    int columns = 0;
    for (int col = 0; col < table->columnCount(); ++col)
        columns += table->columnWidth(col);
    return columns;
}

void SetRow(QTableWidget* table, int row, const QStringList& texts)
{
    for (int col = 0; col < texts.size(); ++col)
        table->setItem(row, col, new QTableWidgetItem(texts[col]));
}

// The legend of a key as its face shows it; an unassigned key has none.
QString FaceText(KeyOp key, int function)
{
    return key == KeyNone ? QString() : LegendText(KeyFace(key, function));
}

} // namespace

KeysForm::KeysForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Keys"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_title = new QLabel(central);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setWordWrap(true);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(m_title, 1);
    // The points that Σ+ keeps are seen and edited in a window of their own.
    m_statisticsData = new QPushButton(tr("Statistics &Data..."), central);
    m_statisticsData->setObjectName(QStringLiteral("statisticsData"));
    m_statisticsData->setAutoDefault(false);
    titleRow->addWidget(m_statisticsData);
    connect(m_statisticsData, &QPushButton::clicked, this, &KeysForm::statisticsDataRequested);
    layout->addLayout(titleRow);
    auto* tabs = new QTabWidget(central);
    m_keys = MakeTable(tabs, {tr("Key"), tr("Name"), tr("Shifted"), tr("Keyboard")});
    m_keys->setObjectName(QStringLiteral("keys"));
    m_keys->horizontalHeader()->setStretchLastSection(false);
    m_shortcuts = MakeTable(tabs, {tr("Keyboard"), tr("Action")});
    m_shortcuts->setObjectName(QStringLiteral("shortcuts"));
    tabs->addTab(m_keys, tr("Keypad"));
    tabs->addTab(m_shortcuts, tr("Keyboard"));
    layout->addWidget(tabs);
    setCentralWidget(central);
}

QSize KeysForm::sizeHint() const
{
    // The columns of the wider table and its scroll bar, inside the tabs'
    // frame and the window's margins.
    const QFontMetrics metrics(font());
    const int columns = std::max(m_columnsWidth, metrics.averageCharWidth() * 60);
    const int frame = 2 * m_keys->frameWidth() + m_keys->verticalScrollBar()->sizeHint().width();
    return QSize(columns + frame + 6 * metrics.averageCharWidth(), metrics.height() * 36);
}

void KeysForm::refresh()
{
    const int function = int(UnPrefs.function()) < FunctionCount ? int(UnPrefs.function()) : FunctionStandard;
    const bool rpn = Prefs.rpnInput();
    m_statisticsData->setVisible(function == FunctionStatistical);
    //: %1 is the function (Standard, Financial...), %2 the input: RPN, precedence or simple.
    m_title->setText(tr("The keys of the %1 function in %2 input")
                         .arg(FunctionName(function),
                              rpn                       ? tr("RPN")
                              : Prefs.precedenceInput() ? tr("precedence")
                                                        : tr("simple")));

    // The normal keys, each with the key it becomes when shifted.
    QList<KeyReferenceRow> rows;
    for (const KeyReferenceRow& row : KeyReferenceRows(function, rpn))
        if (!row.shifted)
            rows.append(row);
    QFont legendFont = LegendFont();
    legendFont.setPointSizeF(font().pointSizeF() * 1.1);
    m_keys->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const KeyReferenceRow& row = rows[i];
        QString shifted = row.otherKey == row.key ? QString() : KeyName(row.otherKey);
        const QString shiftedShortcut = ShortcutText(row.otherKey, function, rpn);
        if (!shifted.isEmpty() && !shiftedShortcut.isEmpty())
            //: The name of the shifted key, and its keyboard shortcut.
            shifted = tr("%1 (%2)").arg(shifted, shiftedShortcut);
        SetRow(m_keys, i,
               {FaceText(row.key, function), KeyName(row.key), shifted, ShortcutText(row.key, function, rpn)});
        m_keys->item(i, 0)->setFont(legendFont);
        m_keys->item(i, 0)->setTextAlignment(Qt::AlignCenter);
        m_keys->item(i, 1)->setToolTip(
            KeyToolTip(row.key, row.otherKey, false, ShortcutText(row.key, function, rpn)));
    }
    m_columnsWidth = FitColumns(m_keys, KeyboardColumn);

    const QList<QPair<QString, QString>> shortcuts = KeyboardShortcuts(function, rpn);
    m_shortcuts->setRowCount(int(shortcuts.size()));
    for (int i = 0; i < shortcuts.size(); ++i)
        SetRow(m_shortcuts, i, {shortcuts[i].first, shortcuts[i].second});
    m_columnsWidth = std::max(m_columnsWidth, FitColumns(m_shortcuts, 0));

    // The window's size hint follows the columns; an open window widens to
    // show them all, as far as its screen allows.
    updateGeometry();
    if (isVisible() && width() < sizeHint().width()) {
        const QRect room = screen()->availableGeometry();
        resize(std::min(sizeHint().width(), room.width()), height());
    }
}
