// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window of the program on the Qt face: its widget and controls built from the window's
// description, its events routed to the window's handlers, and the view those handlers read
// and write it through. Nothing here knows one window from another.

#include "Shell.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

class QContextMenuEvent;
class QKeyEvent;
class QScrollArea;
class QWidget;

namespace QtFace {

class Window : public QObject, public Shell::View {
public:
    explicit Window(const Shell::WindowDescription& description);
    ~Window() override;

    /// The top-level widget.
    QWidget* Widget() const { return widget_.get(); }
    /// The window's handlers.
    Shell::Form& Handlers() const { return *form_; }

    // Shell::View
    void Attach(Shell::Form& form) override { form_ = &form; }
    std::string Text(Shell::ControlId control) const override;
    int Selection(Shell::ControlId control) const override;
    bool Hidden(Shell::ControlId control) const override;
    void SetText(Shell::ControlId control, std::string_view text) override;
    void SetItems(Shell::ControlId control, std::span<const std::string> items) override;
    void SetSelection(Shell::ControlId control, int position) override;
    void SetEnabled(Shell::ControlId control, bool enabled) override;
    void SetHidden(Shell::ControlId control, bool hidden) override;
    void ShowWindow() override;
    void HideWindow() override;
    void ShowModal() override;
    void CloseModal() override;
    Shell::Size ScreenSize() const override;
    Shell::Rect WorkArea() const override;
    Shell::Size OuterSize() const override;
    void MoveTo(Shell::Point outerTopLeft) override;
    void ShowMessage(const Shell::Message& message) override;
    std::string DecimalSeparator() const override;
    void Quit() override;

    // What the top-level widget hands on.
    void Showing();
    void CloseBox();
    /// Whether the window took the key itself.
    bool Key(QKeyEvent* event);
    /// Whether the window showed a menu of its own.
    bool ContextMenu(QContextMenuEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Built {
        const Shell::Control* control;
        QWidget* widget;
    };
    const Built& At(Shell::ControlId control) const;
    void Build();
    void ConnectEvents(const Built& built, Shell::ControlId control);
    /// A caption names the input beside it that is not hidden, for a screen reader.
    void CaptionInputs();
    /// Tab stops where the shell says, the others reached by the pointer and the arrows.
    void SetTabStops();
    /// Sizes the window as the shell fits it on the work area: whole, or, where it is taller,
    /// as tall as the work area with its client area scrolling.
    void FitOnWorkArea();
    /// Moves the controls into a client area that scrolls, once the window first needs one.
    void MakeScrolling();

    const Shell::WindowDescription& description_;
    std::unique_ptr<QWidget> widget_;
    std::vector<Built> controls_;      // in the description's order
    QScrollArea* scroller_ = nullptr;  // the scrolling client area, once the window needed one
    Shell::Form* form_ = nullptr;
    bool writing_ = false;      // the program, not the user, is changing a list
    bool shownBefore_ = false;  // the window was shown before
};

/// Makes the windows of the program as Qt widgets.
class Face : public Shell::Face {
public:
    using Shell::Face::Face;
    std::unique_ptr<Shell::View> MakeWindow(const Shell::WindowDescription& window) override;
    /// Runs `then` from the event loop right after the window's first paint, before the window
    /// system's next events (the input among them) are handled.
    void AfterFirstPaint(Shell::View& window, std::function<void()> then) override;

    /// The top-level widget of a window this face made.
    static QWidget* WidgetOf(const Shell::Form& form);
};

}  // namespace QtFace
