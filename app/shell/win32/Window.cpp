// SPDX-License-Identifier: GPL-3.0-or-later
// The view a window's handlers read and write it through, its showing and placing, and the
// face that makes the windows.
#include "Window.h"

#include "Look.h"
#include "Loop.h"
#include "MessageWindow.h"
#include "Styles.h"
#include "Text.h"

#include <commctrl.h>

#include <algorithm>

namespace Win32Face {

Window::Window(Face& face, const Shell::WindowDescription& description) : face_(face), description_(description)
{
    window_ = CreateWindowExW(ExStyleOf(description), WindowClass(Procedure), Wide(description.caption).c_str(),
                              StyleOf(description), 0, 0, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    dpi_ = GetDpiForWindow(window_);
    face_.windows_.push_back(this);
    Build();
    Layout();
}

Window::~Window()
{
    std::erase(face_.windows_, this);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    for (const Built& built : controls_)
        if (built.picture) DestroyIcon(built.picture);
}

Window* Window::At(HWND handle)
{
    if (!handle || !IsProgramWindow(handle)) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

Window::Built& Window::At(Shell::ControlId control) { return controls_[Shell::PositionOf(description_, control)]; }

const Window::Built& Window::At(Shell::ControlId control) const { return const_cast<Window*>(this)->At(control); }

Window::Built* Window::ById(int id)
{
    const std::size_t index = std::size_t(id - FirstControlId);
    return index < controls_.size() ? &controls_[index] : nullptr;
}

Shell::ControlId Window::IdOf(const Built& built) const
{
    return Shell::ControlId::At(description_.controls, std::size_t(built.id - FirstControlId));
}

HWND Window::Control(Shell::ControlId control) const { return At(control).handle; }

HWND Window::DefaultButton() const
{
    const std::optional<std::size_t> ok = Shell::DefaultButton(description_);
    return ok ? controls_[*ok].handle : nullptr;
}

// ---- The view --------------------------------------------------------------------------

std::string Window::Text(Shell::ControlId control) const
{
    const Built& built = At(control);
    switch (built.control->kind) {
    case Shell::Kind::Edit: return Utf8(WindowText(built.handle));
    case Shell::Kind::List: {
        const int position = int(SendMessageW(built.handle, CB_GETCURSEL, 0, 0));
        return position < 0 ? std::string() : Utf8(ItemText(built.handle, position));
    }
    default: return built.text;
    }
}

int Window::Selection(Shell::ControlId control) const
{
    const Built& built = At(control);
    if (built.control->kind == Shell::Kind::List) return int(SendMessageW(built.handle, CB_GETCURSEL, 0, 0));
    if (built.control->kind == Shell::Kind::Option)
        return SendMessageW(built.handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    return -1;
}

bool Window::Hidden(Shell::ControlId control) const { return At(control).hidden; }

void Window::SetText(Shell::ControlId control, std::string_view text)
{
    Built& built = At(control);
    built.text = std::string(text);
    switch (built.control->kind) {
    case Shell::Kind::Label:
        SetWindowTextW(built.handle, ShownWide(text).c_str());
        PlaceLabel(built);
        break;
    case Shell::Kind::Edit: {
        // An edit box takes a text the program writes whole, even beyond its typing limit.
        const std::wstring wide = Wide(text);
        SendMessageW(built.handle, EM_LIMITTEXT,
                     WPARAM(Shell::LimitAfterWriting(built.control->maxLength, int(wide.size()))), 0);
        SetWindowTextW(built.handle, wide.c_str());
        break;
    }
    default:
        SetWindowTextW(built.handle, Wide(text).c_str());
        Picture(built);
        break;
    }
}

void Window::SetItems(Shell::ControlId control, std::span<const std::string> items)
{
    Built& built = At(control);
    SendMessageW(built.handle, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) SendMessageW(built.handle, CB_ADDSTRING, 0, LPARAM(Wide(item).c_str()));
    SendMessageW(built.handle, CB_SETCURSEL, WPARAM(-1), 0);
    built.known = -1;
}

void Window::SetSelection(Shell::ControlId control, int position)
{
    Built& built = At(control);
    if (built.control->kind == Shell::Kind::List) {
        SendMessageW(built.handle, CB_SETCURSEL, WPARAM(position), 0);
        built.known = int(SendMessageW(built.handle, CB_GETCURSEL, 0, 0));
    }
    if (built.control->kind == Shell::Kind::Option) {
        // One option of the group is selected at a time.
        for (const Built& other : controls_)
            if (other.control->kind == Shell::Kind::Option && position != 0 && &other != &built)
                SendMessageW(other.handle, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageW(built.handle, BM_SETCHECK, position != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        UpdateTabStops();
    }
}

void Window::SetEnabled(Shell::ControlId control, bool enabled)
{
    const Built& built = At(control);
    EnableWindow(built.handle, enabled);
    UpdateTabStops();
    // A label greys over the window's own background, not over its red.
    if (built.control->kind == Shell::Kind::Label) PlaceLabel(built);
}

void Window::SetHidden(Shell::ControlId control, bool hidden)
{
    Built& built = At(control);
    built.hidden = hidden;
    ::ShowWindow(built.handle, hidden ? SW_HIDE : SW_SHOWNA);
    UpdateTabStops();
}

void Window::ShowWindow()
{
    // The control the rules name takes the focus; where they name none, the one that held it
    // when the window was left.
    if (const auto focus = Shell::FocusWhenShown(description_, !opened_)) focus_ = controls_[*focus].handle;
    opened_ = true;
    // Fitted and placed before it appears, so that it appears in its place.
    FitOnWorkArea();
    if (form_) form_->Shown();
    ::ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    BringWindowToTop(window_);
    if (focus_ && GetActiveWindow() == window_) SetFocus(focus_);
    inView_ = nullptr;
    FocusInView();
}

void Window::HideWindow() { ::ShowWindow(window_, SW_HIDE); }

void Window::ShowModal()
{
    ModalScope modal;
    // Over its input window, which takes no input until the sheet closes.
    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(modal.Owner()));
    modal_ = true;
    ShowWindow();
    RunModalLoop(modal_);
    modal_ = false;
    modal.End();
    ::ShowWindow(window_, SW_HIDE);
}

void Window::CloseModal()
{
    if (!modal_) {
        ::ShowWindow(window_, SW_HIDE);
        return;
    }
    modal_ = false;
    // Wakes the sheet's message loop, which then sees it closed.
    PostMessageW(window_, WM_NULL, 0, 0);
}

Shell::Size Window::ScreenSize() const { return PrimaryScreen(); }

Shell::Rect Window::WorkArea() const { return PrimaryWorkArea(); }

Shell::Size Window::OuterSize() const
{
    RECT outer{};
    GetWindowRect(window_, &outer);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void Window::MoveTo(Shell::Point outerTopLeft)
{
    SetWindowPos(window_, nullptr, outerTopLeft.x, outerTopLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::FitOnWorkArea()
{
    const Shell::Size client{Scaled(description_.client.width, dpi_), Scaled(description_.client.height, dpi_)};
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&outer, StyleOf(description_), FALSE, ExStyleOf(description_), dpi_);
    const Shell::Size frame{outer.right - outer.left - client.width, outer.bottom - outer.top - client.height};
    const int bar = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
    const Shell::ClientFit fit = Shell::FitOnWorkArea(client, frame, PrimaryWorkArea(), bar);
    // The scroll bar stands beside the client area, in the frame: the client keeps its width.
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    SetWindowLongPtrW(window_, GWL_STYLE, fit.scrolls ? style | WS_VSCROLL : style & ~LONG_PTR(WS_VSCROLL));
    shown_ = fit.scrolls ? fit.client.height : 0;
    SetWindowPos(window_, nullptr, 0, 0, fit.client.width + frame.width, fit.client.height + frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (fit.scrolls) {
        const SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE, 0, client.height - 1, UINT(shown_), 0, 0};
        SetScrollInfo(window_, SB_VERT, &bar, FALSE);
    }
    ScrollTo(scrolled_);
}

void Window::ScrollTo(int top)
{
    const int whole = Scaled(description_.client.height, dpi_);
    top = shown_ ? std::clamp(top, 0, whole - shown_) : 0;
    if (top == scrolled_) return;
    ScrollWindowEx(window_, 0, scrolled_ - top, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    scrolled_ = top;
    if (shown_) SetScrollPos(window_, SB_VERT, top, TRUE);
}

void Window::FocusInView()
{
    const HWND focus = GetFocus();
    if (!shown_ || !focus || focus == inView_ || GetParent(focus) != window_) return;
    inView_ = focus;
    RECT at{};
    GetWindowRect(focus, &at);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&at), 2);
    // The least scroll that shows it whole, or its top where it is taller than what shows.
    if (at.bottom > shown_) ScrollTo(scrolled_ + at.bottom - shown_);
    if (at.top < 0) ScrollTo(scrolled_ + at.top);
}

void Window::ShowMessage(const Shell::Message& message) { MessageBoxSeam()(message); }

std::string Window::DecimalSeparator() const
{
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 0) return ".";
    return Utf8(separator);
}

void Window::Quit() { PostQuitMessage(0); }

// ---- The face ---------------------------------------------------------------------------

Face::Face(std::string_view programTitle) : Shell::Face(programTitle)
{
    static const bool prepared = [] {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        LoadProgramFonts();
        return true;
    }();
    (void)prepared;
}

std::unique_ptr<Shell::View> Face::MakeWindow(const Shell::WindowDescription& window)
{
    return std::make_unique<Window>(*this, window);
}

void Face::AfterFirstPaint(Shell::View& window, std::function<void()> then)
{
    static_cast<Window&>(window).AfterFirstPaint(std::move(then));
}

Window& Face::WindowOf(const Shell::Form& form) { return static_cast<Window&>(form.Window()); }

}  // namespace Win32Face
