// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include "ui/CalculatorForm.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/dialogs/TapeForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

// How much of the window's top edge must lie on a screen for the user to
// grab it: this many pixels of its width (all of a narrower window), in
// the top strip of this height.
constexpr int GripWidth = 64;
constexpr int GripHeight = 16;

} // namespace

WindowPlace TakeWindowPlace(const CalculatorForm& window)
{
    WindowPlace place;
    const QRect r = window.isMaximized() ? window.normalGeometry() : window.geometry();
    place.x = r.x();
    place.y = r.y();
    place.width = r.width();
    place.height = r.height();
    place.maximized = window.isMaximized();
    place.rpnStackOpen = window.rpnStackForm() && window.rpnStackForm()->isVisible();
    place.registersOpen = window.userRegistersForm() && window.userRegistersForm()->isVisible();
    place.tapeOpen = window.tapeForm() && window.tapeForm()->isVisible();
    place.sideWindows = window.sidePlaces();
    place.stayOnTop = window.stayOnTop();
    return place;
}

class QuitPlace::Watcher : public QObject {
public:
    explicit Watcher(const CalculatorForm& window) : window_(window), place_(TakeWindowPlace(window)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
            place_ = TakeWindowPlace(window_);
        return false;
    }
    const CalculatorForm& window_;
    WindowPlace place_;
};

QuitPlace::QuitPlace(const CalculatorForm& window) : watcher_(new Watcher(window))
{
    QCoreApplication::instance()->installEventFilter(watcher_);
}

QuitPlace::~QuitPlace()
{
    delete watcher_;
}

WindowPlace QuitPlace::place() const
{
    return watcher_->place_;
}

void GiveWindowPlace(CalculatorForm* window, const WindowPlace& place, const QList<QRect>& screens)
{
    window->setGeometry(PlaceOnScreen(QRect(place.x, place.y, place.width, place.height), screens));
    if (place.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    window->setSidePlaces(place.sideWindows);
    window->setStayOnTop(place.stayOnTop);
}

void ReopenSideWindows(CalculatorForm* window, const WindowPlace& place)
{
    if (place.rpnStackOpen)
        window->viewRpnStackForm();
    if (place.registersOpen)
        window->viewUserRegistersForm();
    if (place.tapeOpen)
        window->viewTapeForm();
    for (const auto& [name, side] : place.sideWindows)
        if (side.open)
            window->viewSideWindow(QString::fromStdString(name));
}

QRect PlaceOnScreen(const QRect& window, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return window;
    const QRect grip(window.topLeft(), QSize(window.width(), qMin(window.height(), GripHeight)));
    for (const QRect& screen : screens) {
        const QRect onScreen = screen.intersected(grip);
        if (!onScreen.isEmpty() && onScreen.width() >= qMin(window.width(), GripWidth))
            return window;
    }
    const QRect& first = screens.first();
    QRect moved(QPoint(), window.size().boundedTo(first.size()));
    moved.moveCenter(first.center());
    return moved;
}

QList<QRect> AvailableScreens()
{
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    return screens;
}
