// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of start-up: a bare Qt program that shows one label and
// ends as soon as its first frame is painted, as the calculator does with
// TOVRIN_EXIT_AFTER_FIRST_FRAME.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstdlib>

namespace {

class FirstFrameExit : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.installEventFilter(new FirstFrameExit(&label));
    label.resize(360, 560);
    label.show();
    return application.exec();
}
