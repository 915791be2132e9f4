// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <utility>

namespace {

// Runs an action once, when the widget has painted its first frame and
// handed it to the window system.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* widget, std::function<void()> action) : QObject(widget), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window paints its children and flushes the frame before the
        // event loop runs the timer.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_action();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

// The window icon at every size built into the program.
QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file =
            QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(Application::DesktopId));
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace

const char Application::DesktopId[] = "io.github.tovrin.Tovrin";

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tovrin"));
    // The desktop entry's name: the window system finds the menu entry and
    // its icon through it.
    setDesktopFileName(QLatin1String(DesktopId));
    // Menu bars stay in their windows: none asks the desktop for a global
    // menu, which costs a round trip to the session bus at start-up.
    setAttribute(Qt::AA_DontUseNativeMenuBar);
}

void Application::showMainWidget(QWidget* widget, bool noMaximize)
{
    m_mainWidget = widget;
    // The window icon's seven pictures are read and handed to the window
    // system once the first frame is up: it does not wait for them.
    new FirstFrame(widget, [this] {
        if (qEnvironmentVariableIsSet("TOVRIN_EXIT_AFTER_FIRST_FRAME"))
            std::_Exit(0);
        const QIcon icon = ApplicationIcon();
        if (!icon.isNull())
            setWindowIcon(icon);
    });
    if (noMaximize)
        widget->show();
    else
        widget->showMaximized();
}
