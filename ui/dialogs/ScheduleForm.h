// SPDX-License-Identifier: GPL-3.0-or-later
// The "Loan Schedule" window: the loan's terms, a chart of the balance and
// of the interest and principal paid each year, and the schedule as a
// table, period by period with a row of sums after each year and the
// totals at the end.  It follows every key; its rows are copied as
// tab-separated text and saved as CSV or PDF.
#pragma once

#include "ui/SideWindow.h"

#include <array>
#include <cstdint>

class DataTable;
class QLabel;
class ScheduleChart;
class ScheduleModel;

class ScheduleForm : public SideWindow {
    Q_OBJECT
public:
    explicit ScheduleForm(QWidget* parent = nullptr);

    void followCalculator() override;

    DataTable* table() const { return table_; }
    ScheduleModel* model() const { return model_; }
    ScheduleChart* chart() const { return chart_; }
    // The loan's terms above the chart.
    QLabel* termsLine() const { return terms_; }
    // The line under the table: why there is no schedule, or the final
    // payment that would end the loan at -FV; hidden otherwise.
    QLabel* noteLine() const { return note_; }

    // The selected rows as tab-separated text, or every row after the
    // column names when none is selected.
    QString selectedText() const;
    // Write the schedule whole or not at all (platform/DurableFile.h);
    // false, and *error says why, when the file could not be written.
    bool saveCsv(const QString& path, QString* error) const;
    bool savePdf(const QString& path, QString* error) const;

public slots:
    void copySelected();
    void saveCsvAs();
    void savePdfAs();

private:
    // What the rows are computed from, and what their texts depend on.
    struct Inputs {
        std::array<uint64_t, 6> registers;
        bool begin;
        unsigned format, digits;
        bool operator==(const Inputs& other) const;
    };
    struct Look {
        unsigned base;
        bool comma, showAll;
        bool operator==(const Look& other) const;
    };
    static Inputs CurrentInputs();
    static Look CurrentLook();
    void showTexts();
    void fitColumns();

    DataTable* table_;
    ScheduleModel* model_;
    ScheduleChart* chart_;
    QLabel* terms_;
    QLabel* note_;
    Inputs inputs_{};
    Look look_{};
    bool shown_ = false;
};
