// SPDX-License-Identifier: GPL-3.0-or-later
// A window beside the calculator that shows part of its records: it follows
// every key, undo and redo; it may change the records itself, each change
// one undo step; and it is remembered across runs by its name: whether it
// was open, its place and its size (the main window keeps them).
//
// The main window calls followCalculator() on every open side window after
// each key, undo, redo and change of the preferences, and follows a side
// window's recordsChanged() as it follows its own keys.  Undo and Redo typed
// in a side window are the calculator's.
#pragma once

#include <QMainWindow>
#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;
class QTimer;

class SideWindow : public QMainWindow {
    Q_OBJECT
public:
    // `placeName` is the name the window is remembered under
    // (SideWindowNames() of storage/WindowPlace.h).
    SideWindow(const QString& placeName, QWidget* parent);

    QString placeName() const { return placeName_; }

    // Brings the window in step with the records and the preferences.  It
    // should cost next to nothing when nothing it shows has changed.
    virtual void followCalculator() = 0;

    // The line at the foot of the window that tells, for a few seconds, why
    // something was not done; hidden otherwise.  It blocks nothing, and a
    // screen reader reads it out when it appears.
    QLabel* notice() const { return notice_; }
    void showNotice(const QString& text);

    // Adds a button of the text, with the object name, to a row of buttons
    // (a window's row, or the tape's, which is a window of its own kind).
    static QPushButton* addButton(QBoxLayout* row, const QString& text, const char* name);

signals:
    // The window changed the records, as one undo step.
    void recordsChanged();
    // Undo or Redo was typed in the window.
    void undoRequested();
    void redoRequested();

protected:
    // Puts `content` into the window, above the notice line.
    void setContent(QWidget* content);

private:
    QString placeName_;
    QLabel* notice_;
    QTimer* noticeTimer_;
};
