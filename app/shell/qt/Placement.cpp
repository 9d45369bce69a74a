// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include "Rules.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWindow>

#include <utility>

namespace QtFace {

namespace {

// The frame around a top-level window, as far as the window system has told it: the window
// manager's own frame extents, not the difference of two geometries, one of which is still
// 1 x 1 pixels during the first paint. A frame that cannot be (wider than any title bar, or
// negative) is no frame told.
QMargins FrameOf(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    if (!handle) return {};
    const QMargins frame = handle->frameMargins();
    const auto sane = [](int side) { return side >= 0 && side <= 64; };
    if (!sane(frame.left()) || !sane(frame.top()) || !sane(frame.right()) || !sane(frame.bottom())) return {};
    return frame;
}

// The frame last seen around one of the program's windows: the best guess for a window that
// is not on the screen yet.
QMargins& KnownFrame()
{
    static QMargins frame;
    return frame;
}

// Places its window again once the window system tells a frame other than the one the window
// was placed with: a window is framed only once it is on the screen.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window)
    {
        setObjectName(QStringLiteral("FrameWatch"));
        window->installEventFilter(this);
    }

    QMargins assumed;  // the frame the window was last placed with
    std::function<void()> again;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate: {
            auto* window = static_cast<QWidget*>(watched);
            const QMargins frame = FrameOf(window);
            if (window->isVisible() && !frame.isNull() && frame != assumed) {
                KnownFrame() = frame;
                assumed = frame;
                // A copy runs: placing the window again hands the watch its next `again`.
                if (const std::function<void()> run = again) run();
            }
            break;
        }
        default: break;
        }
        return false;
    }
};

FrameWatch* WatchOf(QWidget* window)
{
    auto* watch =
        static_cast<FrameWatch*>(window->findChild<QObject*>(QStringLiteral("FrameWatch"), Qt::FindDirectChildrenOnly));
    return watch ? watch : new FrameWatch(window);
}

}  // namespace

Shell::Size OuterSizeOf(const QWidget* window)
{
    const QMargins told = FrameOf(window);
    const QSize outer = window->size().grownBy(told.isNull() ? KnownFrame() : told);
    return {outer.width(), outer.height()};
}

Shell::Size ScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    // The whole display counts, the area under a task bar included.
    const QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

Shell::Rect WorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

void MoveOuterTo(QWidget* window, Shell::Point outer, std::function<void()> again)
{
    const QMargins told = FrameOf(window);
    const QMargins frame = told.isNull() ? KnownFrame() : told;
    FrameWatch* watch = WatchOf(window);
    watch->assumed = frame;
    if (again) watch->again = std::move(again);
    // The client area is placed, inside the frame: where a window's position includes its
    // frame depends on what the window system knew of the frame when it was asked.
    const QPoint client = QPoint(outer.x, outer.y) + QPoint(frame.left(), frame.top());
    window->setGeometry(QRect(client, window->size()));
}

void CentreOnScreen(QWidget* window)
{
    const auto centre = [window] {
        MoveOuterTo(window, Shell::PlacedTopLeft(ScreenSize(), WorkArea(), OuterSizeOf(window)));
    };
    MoveOuterTo(window, Shell::PlacedTopLeft(ScreenSize(), WorkArea(), OuterSizeOf(window)), centre);
}

}  // namespace QtFace
