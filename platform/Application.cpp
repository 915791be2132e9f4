#include "Application.h"

#include <QFile>
#include <QIcon>
#include <QWidget>

const char Application::DesktopId[] = "io.github.tovrin.Tovrin";

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tovrin"));
    // The desktop entry's name: the window system finds the menu entry and
    // its icon through it.
    setDesktopFileName(QLatin1String(DesktopId));

    // The window icon at every size built into the program.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(DesktopId));
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull())
        setWindowIcon(icon);
}

void Application::showMainWidget(QWidget* widget, bool noMaximize)
{
    m_mainWidget = widget;
    if (noMaximize)
        widget->show();
    else
        widget->showMaximized();
}
