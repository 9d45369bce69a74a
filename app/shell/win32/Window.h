// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window of the program on the Win32 face: its top-level window and controls built from
// the window's description (Building.cpp), its messages routed to the window's handlers, one
// handler a message (Events.cpp), and the view those handlers read and write it through
// (Window.cpp). What every window follows is asked of the shell's rules; nothing here knows
// one window from another.

#include "Shell.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Win32Face {

class Face;

class Window : public Shell::View {
public:
    Window(Face& face, const Shell::WindowDescription& description);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    /// The program's window of that handle; none for any other window.
    static Window* At(HWND handle);

    HWND Handle() const { return window_; }
    HWND Control(Shell::ControlId control) const;
    Shell::Form& Handlers() const { return *form_; }
    const Shell::WindowDescription& Description() const { return description_; }

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

    /// Runs `then` once the window has drawn itself, its controls included.
    void AfterFirstPaint(std::function<void()> then) { afterPaint_ = std::move(then); }

    /// Takes the keys the window answers itself, as the shell's rules say what each does;
    /// false for a message to dispatch as usual (Tab, the arrows, typing).
    bool Key(MSG& message);

    /// Where the client area scrolls, scrolls the control that took the focus (by Tab, the
    /// pointer or the program) into view.
    void FocusInView();

private:
    struct Built {
        const Shell::Control* control = nullptr;
        HWND handle = nullptr;
        int id = 0;
        std::string text;  // a label's, an option's or a button's text, as the program set it
        bool hidden = false;
        int known = -1;                 // a list's position the user or the program last chose
        Shell::TypeAhead seeking = {};  // what typing on a list seeks
        HICON picture = nullptr;        // a button's or an option's caption, drawn
    };

    // Building.cpp
    void Build();
    void Layout();
    void PlaceLabel(const Built& label);
    int RoomBeside(const Built& label, int height) const;
    void PlaceList(const Built& list, RECT at);
    void FitEdit(const Built& edit);
    void Picture(Built& button);
    void UpdateTabStops();

    // Window.cpp: a window taller than the work area.
    /// Sizes the window as the shell fits it on the work area: whole, or, where it is taller,
    /// as tall as the work area with a vertical scroll bar and its client area scrolling.
    void FitOnWorkArea();
    /// Scrolls the client area to show its pixels from `top` down (clamped to what there is).
    void ScrollTo(int top);

    // Events.cpp: the window's procedure and one handler a message.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnButton(const Built& button, int code);
    void OnList(Built& list, int code);
    void OnEdit(const Built& edit, int code);
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    bool OnActivate(WPARAM wParam);
    bool OnContextMenu(LPARAM lParam);
    void OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void OnScroll(WPARAM wParam);
    void OnWheel(WPARAM wParam);
    bool OnEditChar(const Built& edit, WPARAM& character);
    void OnPaste(const Built& edit);
    void Chosen(Built& list, bool closing);
    bool ListKey(Built& list, const MSG& message);
    void SheetCommand(Shell::KeyAction action);

    Built& At(Shell::ControlId control);
    const Built& At(Shell::ControlId control) const;
    Built* ById(int id);
    Shell::ControlId IdOf(const Built& built) const;
    HWND DefaultButton() const;

    Face& face_;
    const Shell::WindowDescription& description_;
    HWND window_ = nullptr;
    std::vector<Built> controls_;  // in the description's order
    Shell::Form* form_ = nullptr;
    unsigned dpi_ = 96;
    HWND focus_ = nullptr;   // the control that held the focus when the window was last left
    bool opened_ = false;    // shown at least once
    bool modal_ = false;     // shown modally and not yet closed
    int scrolled_ = 0;       // pixels of the client area scrolled above the window's top
    int shown_ = 0;          // pixels of the client area's height shown, where it scrolls; else 0
    HWND inView_ = nullptr;  // the control last scrolled into view
    std::function<void()> afterPaint_;
};

/// Makes the windows of the program as Win32 windows.
class Face : public Shell::Face {
public:
    /// The first face made prepares what every window needs: the common controls and, where
    /// the machine lacks the program's Persian faces, the built-in one.
    explicit Face(std::string_view programTitle);
    std::unique_ptr<Shell::View> MakeWindow(const Shell::WindowDescription& window) override;
    void AfterFirstPaint(Shell::View& window, std::function<void()> then) override;

    /// The window of a form this face made.
    static Window& WindowOf(const Shell::Form& form);

private:
    friend class Window;
    std::vector<Window*> windows_;
};

}  // namespace Win32Face
