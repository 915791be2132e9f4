// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tape" window: every calculation as a line, newest at the bottom with
// its result aligned at the right, to search, reuse, copy, clear and save.
// A double click or Return on a line puts its result into X.
#pragma once

#include <QAbstractListModel>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QLineEdit;
class QListView;
class QSortFilterProxyModel;
struct TapeEntry;

// The tape's entries as rows, oldest first, their texts composed from the
// engine's entries when asked for, in the format of the moment.
class TapeModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The two parts of a line that the list draws apart (Qt::DisplayRole is
    // the whole line), and the entry's number.
    enum Role { CalculationRole = Qt::UserRole, ResultRole, NumberRole };

    explicit TapeModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Brings the rows in step with the tape: rows that fell off the top or
    // went with an undo or a clear are removed, new ones appended; a new
    // format, base or radix changes the text of every row.  Returns
    // whether rows were appended.
    bool update();

private:
    // What the texts of the lines depend on besides the entries.
    struct Look {
        unsigned format, digits, base;
        bool comma, showAll, cashFlows;
        bool operator==(const Look& other) const;
    };
    static Look CurrentLook();

    std::vector<uint32_t> numbers_; // the entry numbers of the rows
    std::vector<const TapeEntry*> entries_;
    Look look_{};
};

class TapeForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TapeForm(QWidget* parent = nullptr);

    enum FileFormat { PlainText, Csv };

    QListView* list() const { return list_; }
    QLineEdit* search() const { return search_; }
    TapeModel* model() const { return model_; }
    // Every line of the tape, oldest first, as copied.
    QStringList lines() const;
    // The selected lines, or every line the search leaves shown when none
    // is selected.
    QString selectedText() const;
    // Writes the tape to a file; false when it could not be written.
    static bool saveTo(const QString& path, FileFormat format);

public slots:
    // Brings the lines in step with the tape: after every key, undo and
    // redo, and when the format changes.
    void updateTape();
    void copySelected();
    void copyAll();
    // Clears the tape as an undoable step.
    void clearTape();
    void save();
    // Puts the result of a line of the list into X, as a number typed there.
    void useResult(const QModelIndex& index);
    // Copies the result of a line in full precision, as paste reads it back.
    void copyResult(const QModelIndex& index);
    void copyLine(const QModelIndex& index);

signals:
    // A line's result went into X; the main window repaints.
    void resultRecalled();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showLineMenu(const QPoint& position);

    QLineEdit* search_;
    QListView* list_;
    TapeModel* model_;
    QSortFilterProxyModel* shown_;
    qreal basePointSize_;
};
