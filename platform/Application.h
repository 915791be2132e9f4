// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: exists before any widget, shows the main window
// and runs the event loop.  A plain QMenuBar serves as the window's menu bar.
#pragma once

#include <QApplication>
#include <QPointer>

#include <QWidget>

class Application : public QApplication {
    Q_OBJECT
public:
    // The reverse-DNS application id: the name of the desktop entry, the
    // icon and the AppStream metadata.
    static const char DesktopId[];

    Application(int& argc, char** argv);

    // Makes the widget the application's main window and shows it:
    // maximized, unless `noMaximize` asks for its own size.  Once its first
    // frame is painted, the application gets its window icon; with the
    // environment variable TOVRIN_EXIT_AFTER_FIRST_FRAME set, the process
    // ends there instead, for timing start-up.
    void showMainWidget(QWidget* widget, bool noMaximize = false);
    QWidget* mainWidget() const { return m_mainWidget; }

private:
    QPointer<QWidget> m_mainWidget;
};
