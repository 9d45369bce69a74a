// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window of the program on the Win32 face: its top-level window and controls built from
// the window's description, its events routed to the window's handlers through one window
// procedure, and the view those handlers read and write it through. Nothing here knows one
// window from another.

#include "Shell.h"

#include <windows.h>

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

    /// Takes the keys the window answers itself (Enter, Escape, Ctrl+C and Ctrl+P on a sheet,
    /// Tab and the arrows between controls); false for a message to dispatch as usual.
    bool Key(MSG& message);

private:
    struct Built {
        const Shell::Control* control = nullptr;
        HWND handle = nullptr;
        int id = 0;
        std::string text;  // a label's, an option's or a button's text, as the program set it
        bool hidden = false;
        int known = -1;           // a list's position the user or the program last chose
        HICON picture = nullptr;  // a button's or an option's caption, drawn
    };
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR built);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    Built& At(Shell::ControlId control);
    const Built& At(Shell::ControlId control) const;
    Built* ById(int id);
    Shell::ControlId IdOf(const Built& built) const;
    void Build();
    void Layout();
    void PlaceLabel(const Built& label);
    void FitEdit(const Built& edit);
    void Picture(Built& button);
    void FocusTheSelectedOption();
    void Command(Built& control, int code);
    void CopySheet();
    HWND DefaultButton() const;

    Face& face_;
    const Shell::WindowDescription& description_;
    HWND window_ = nullptr;
    std::vector<Built> controls_;  // in the description's order
    Shell::Form* form_ = nullptr;
    unsigned dpi_ = 96;
    HWND focus_ = nullptr;  // the control that held the focus when the window was last left
    bool opened_ = false;   // shown at least once
    bool modal_ = false;    // shown modally and not yet closed
};

/// Makes the windows of the program as Win32 windows.
class Face : public Shell::Face {
public:
    /// The first face made prepares what every window needs: the common controls and, where
    /// the machine lacks the program's Persian faces, the built-in one.
    explicit Face(std::string_view programTitle);
    std::unique_ptr<Shell::View> MakeWindow(const Shell::WindowDescription& window) override;

    /// The window of a form this face made.
    static Window& WindowOf(const Shell::Form& form);

private:
    friend class Window;
    std::vector<Window*> windows_;
};

/// Hands a message to the program's windows before it is dispatched: true if one took it.
bool TakeMessage(MSG& message);

/// Runs the message loop until the program quits; the code it quits with.
int RunMessageLoop();

/// Runs the message loop while `running` holds or until the program quits; false if it quit.
bool RunModalLoop(const bool& running);

/// While it lives, or until End, the program's other windows take no input: the time of a
/// modal window. The window that was active owns the modal one.
class ModalScope {
public:
    ModalScope();
    ~ModalScope() { End(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    HWND Owner() const { return owner_; }
    /// Gives the other windows their input back, before the modal window goes.
    void End();

private:
    std::vector<HWND> disabled_;
    HWND owner_ = nullptr;
};

}  // namespace Win32Face
