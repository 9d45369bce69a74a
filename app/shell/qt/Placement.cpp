// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include "Form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>

#include <utility>

namespace QtFace {

namespace {

// The frame around a top-level window, as far as the window system has told it.
QMargins FrameOf(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
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
                if (again) again();
            }
            break;
        }
        default:
            break;
        }
        return false;
    }
};

FrameWatch* WatchOf(QWidget* window)
{
    auto* watch = static_cast<FrameWatch*>(window->findChild<QObject*>(QStringLiteral("FrameWatch"),
                                                                        Qt::FindDirectChildrenOnly));
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

void MoveOuterTo(QWidget* window, Shell::Point outer, std::function<void()> again)
{
    const QMargins told = FrameOf(window);
    const QMargins frame = told.isNull() ? KnownFrame() : told;
    FrameWatch* watch = WatchOf(window);
    watch->assumed = frame;
    watch->again = std::move(again);
    // A window's position is that of its frame once the window system has told the frame;
    // until then it is that of its client area.
    const QPoint topLeft(outer.x, outer.y);
    window->move(told.isNull() ? topLeft + QPoint(frame.left(), frame.top()) : topLeft);
}

void CentreOnScreen(QWidget* window)
{
    const auto centre = [window] {
        const Shell::Point topLeft = Shell::CentredTopLeft(ScreenSize(), OuterSizeOf(window));
        MoveOuterTo(window, topLeft);
    };
    const Shell::Point topLeft = Shell::CentredTopLeft(ScreenSize(), OuterSizeOf(window));
    MoveOuterTo(window, topLeft, centre);
}

}  // namespace QtFace
