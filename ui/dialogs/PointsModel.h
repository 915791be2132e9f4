// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics points as a table: a row per point, x and y in the
// display's number format, and under them an empty row for a new point
// while the list has room.
//
// A view over the engine's list (engine/Points.h); a cell edited is an
// edit of the engine (engine/StatisticsData.h), one undo step, its text
// read as a paste is.
#pragma once

#include "engine/Points.h"

#include <QAbstractTableModel>

#include <vector>

class PointsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColumnX, ColumnY, ColumnCount };

    explicit PointsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The points shown, as the plot draws them.
    const std::vector<DataPoint>& points() const { return shown_; }
    // Whether `row` is the empty row for a new point.
    bool isNewRow(int row) const;

    // Brings the rows in step with the engine: the rows that changed are
    // removed, inserted or redrawn, so that the others keep their
    // selection.  Returns whether any point, or the format of their
    // texts, changed.
    bool refresh();

signals:
    // A cell's edit was made (changed() then follows from the owner's
    // refresh), or refused with the text of a notice.
    void edited();
    void refused(const QString& notice);

private:
    // What the texts depend on besides the points.
    struct Look {
        unsigned format, digits, base;
        bool comma;
        bool operator==(const Look& other) const;
    };
    static Look CurrentLook();

    std::vector<DataPoint> shown_;
    bool newRow_ = true;
    Look look_{};
};
