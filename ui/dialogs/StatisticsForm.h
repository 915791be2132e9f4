// SPDX-License-Identifier: GPL-3.0-or-later
// The "Statistics Data" window: the points of the statistics as a table to
// correct, add to, paste into, import and export; their scatter plot with
// the least-squares line, its equation and r; and under it what the keys
// give now: n, the means, the deviations and the line.
//
// A thin view: the table is a model over the engine's list, each edit an
// engine function and one undo step, and every number shown is the one
// its key would give.  It follows every key, undo and redo.
#pragma once

#include "ui/SideWindow.h"

#include <QString>

#include <functional>

class PointsModel;
class QLabel;
class QPushButton;
class QTableView;
class StatisticsPlot;
struct StatisticsResults;

class StatisticsForm : public SideWindow {
    Q_OBJECT
public:
    explicit StatisticsForm(QWidget* parent = nullptr);

    void followCalculator() override { updateData(); }

    QTableView* table() const { return table_; }
    PointsModel* model() const { return model_; }
    StatisticsPlot* plot() const { return plot_; }
    // The line under the title that says how the list stands with the
    // sums; hidden while they match.
    QLabel* agreement() const { return agreement_; }
    QPushButton* rebuildButton() const { return rebuild_; }
    QPushButton* clearListButton() const { return clearList_; }
    // The summary's lines, as shown.
    QString summaryText() const;

    // The line's equation, and r, each number written by `number`.
    static QString EquationText(const StatisticsResults& results, const std::function<QString(double)>& number);
    static QString CorrelationText(const StatisticsResults& results, const std::function<QString(double)>& number);

    // Reads a CSV file's points and adds them as one step; false, with the
    // notice shown, when the file cannot be read or its points are refused.
    bool importFrom(const QString& path);
    // Writes the points as CSV; false when the file could not be written.
    static bool exportTo(const QString& path);

public slots:
    // Brings everything in step with the engine: after every key, undo and
    // redo, and when the format changes.
    void updateData();
    void addRow();
    void deleteRows();
    void paste();
    // The selected rows as tab-separated text, for a spreadsheet, every
    // digit of the numbers kept.
    void copyRows();
    void copyEquation();
    void importFile();
    void exportFile();
    void rebuildSums();
    void clearList();

private:
    void edited();
    void selectionChanged();
    void updateSummary();
    void updateAgreement();

    PointsModel* model_;
    QTableView* table_;
    StatisticsPlot* plot_;
    QLabel* agreement_;
    QPushButton* rebuild_;
    QPushButton* clearList_;
    QLabel* summary_[10] = {};
};
