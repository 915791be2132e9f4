// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tape" window: every calculation as a line, newest at the bottom with
// its result aligned at the right, to read back, copy, clear and save.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QListWidget;
struct TapeEntry;

class TapeForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TapeForm(QWidget* parent = nullptr);

    enum FileFormat { PlainText, Csv };
    // The two parts of a line that the list draws apart; the item's text
    // is the whole line.
    enum Role { CalculationRole = Qt::UserRole, ResultRole };

    QListWidget* list() const { return list_; }
    // The lines shown, oldest first, as copied.
    QStringList lines() const { return lines_; }
    // The selected lines, or every line when none is selected.
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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the texts of the lines depend on besides the entries.
    struct Look {
        unsigned format, digits, base;
        bool comma, showAll, cashFlows;
        bool operator==(const Look& other) const;
    };
    static Look CurrentLook();
    void appendRow(const TapeEntry& entry, uint32_t number);
    void removeRows(int first, int count);

    QListWidget* list_;
    std::vector<uint32_t> numbers_; // the entry numbers of the rows
    QStringList lines_;
    Look look_{};
    qreal basePointSize_;
};
