// SPDX-License-Identifier: GPL-3.0-or-later
// The "Keys" window of the Help menu: the keys of the current function and
// input style with their legend, name, shifted name and shortcut, and
// every shortcut of the keyboard.
#pragma once

#include <QMainWindow>

class QLabel;
class QPushButton;
class QTableWidget;

class KeysForm : public QMainWindow {
    Q_OBJECT
public:
    explicit KeysForm(QWidget* parent = nullptr);

    // Shows the keys of the present function and input style.
    void refresh();
    // Wide enough for the columns, tall enough for a good part of a keypad.
    QSize sizeHint() const override;

    // The column of the keys' keyboard notes, which wrap when long.
    static constexpr int KeyboardColumn = 3;

    QLabel* title() const { return m_title; }
    // One row per key of the function rows and the main keypad: legend,
    // name, shifted name (with its shortcut), shortcut.
    QTableWidget* keysTable() const { return m_keys; }
    // One row per shortcut: the keys and what they do.
    QTableWidget* shortcutsTable() const { return m_shortcuts; }
    // Opens the Statistics Data window; shown with the Statistical keys.
    QPushButton* statisticsDataButton() const { return m_statisticsData; }

signals:
    void statisticsDataRequested();

private:
    QLabel* m_title;
    QTableWidget* m_keys;
    QTableWidget* m_shortcuts;
    // The columns of the wider table, as wide as their texts.
    int m_columnsWidth = 0;
    QPushButton* m_statisticsData;
};
