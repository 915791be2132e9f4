#include "Application.h"

#include <QWidget>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tovrin"));
}

void Application::showMainWidget(QWidget* widget, bool noMaximize)
{
    m_mainWidget = widget;
    if (noMaximize)
        widget->show();
    else
        widget->showMaximized();
}
