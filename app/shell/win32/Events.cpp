// SPDX-License-Identifier: GPL-3.0-or-later
// A window's messages, one handler a message, routed to the window's handlers; and the keys
// the window answers itself, as the shell's rules say what each does.
#include "Window.h"

#include "Clipboard.h"
#include "Look.h"
#include "Loop.h"
#include "Painting.h"
#include "Printing.h"
#include "ShellTexts.h"
#include "Styles.h"
#include "Text.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Win32Face {

namespace {

constexpr UINT_PTR PaintedTimer = 1;  // runs what waits for the window's first paint

// The sheet's context menu: its commands, each by its place in the sheet's commands.
UINT_PTR MenuCommandAt(std::size_t index) { return index + 1; }

}  // namespace

LRESULT CALLBACK Window::Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->window_ = handle;
        SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (!window) return DefWindowProcW(handle, message, wParam, lParam);
    return window->Dispatch(message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_MEASUREITEM:
        if (OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_DRAWITEM:
        if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_CLOSE:
        // What closing does is the window's to decide.
        if (form_) form_->CloseBoxPressed();
        return 0;
    case WM_ACTIVATE:
        if (OnActivate(wParam)) return 0;
        break;
    case DM_GETDEFID:
        if (const HWND ok = DefaultButton()) return MAKELRESULT(GetDlgCtrlID(ok), DC_HASDEFID);
        return 0;
    case WM_CONTEXTMENU:
        if (OnContextMenu(lParam)) return 0;
        break;
    case WM_DPICHANGED: OnDpiChanged(wParam, lParam); return 0;
    case WM_VSCROLL: OnScroll(wParam); return 0;
    case WM_MOUSEWHEEL: OnWheel(wParam); return 0;
    case WM_PAINT:
        // Timers come once nothing is left to paint, the controls included.
        if (afterPaint_) SetTimer(window_, PaintedTimer, 0, nullptr);
        break;
    case WM_TIMER:
        if (wParam != PaintedTimer) break;
        KillTimer(window_, PaintedTimer);
        if (const std::function<void()> then = std::exchange(afterPaint_, {})) then();
        return 0;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Window::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) {
        // A command of the sheet's context menu.
        const auto commands = Shell::SheetCommands();
        for (std::size_t i = 0; i < commands.size(); ++i)
            if (HIWORD(wParam) == 0 && LOWORD(wParam) == MenuCommandAt(i)) SheetCommand(commands[i].action);
        return;
    }
    Built* built = ById(LOWORD(wParam));
    if (!built) return;
    switch (built->control->kind) {
    case Shell::Kind::Button:
    case Shell::Kind::OkButton: OnButton(*built, HIWORD(wParam)); break;
    case Shell::Kind::Option:
        if (HIWORD(wParam) == BN_CLICKED) UpdateTabStops();
        break;
    case Shell::Kind::List: OnList(*built, HIWORD(wParam)); break;
    case Shell::Kind::Edit: OnEdit(*built, HIWORD(wParam)); break;
    default: break;
    }
}

void Window::OnButton(const Built& button, int code)
{
    if (code == BN_CLICKED && form_) form_->Clicked(IdOf(button));
}

void Window::OnList(Built& list, int code)
{
    switch (code) {
    case CBN_SELCHANGE:
        // A key on the closed list chooses; moving through the open list does not.
        Chosen(list, false);
        break;
    case CBN_SELENDOK:
    case CBN_CLOSEUP:
        // The list closes on the user's choice.
        Chosen(list, true);
        break;
    case CBN_SELENDCANCEL:
        // The list closes keeping the item it had.
        SendMessageW(list.handle, CB_SETCURSEL, WPARAM(list.known), 0);
        break;
    default: break;
    }
}

void Window::Chosen(Built& list, bool closing)
{
    const int now = int(SendMessageW(list.handle, CB_GETCURSEL, 0, 0));
    const bool open = !closing && SendMessageW(list.handle, CB_GETDROPPEDSTATE, 0, 0);
    if (!Shell::IsUserChange(list.known, now, open, false)) return;
    list.known = now;
    if (form_) form_->Changed(IdOf(list));
}

void Window::OnEdit(const Built& edit, int code)
{
    if (code != EN_CHANGE) return;
    // After the program wrote a longer text, or the user pasted one, the limit follows the
    // text down as the user deletes.
    const int limit = int(SendMessageW(edit.handle, EM_GETLIMITTEXT, 0, 0));
    const int length = GetWindowTextLengthW(edit.handle);
    const int followed = Shell::LimitAfterEditing(edit.control->maxLength, limit, length);
    if (followed != limit) SendMessageW(edit.handle, EM_LIMITTEXT, WPARAM(followed), 0);
    FitEdit(edit);
}

bool Window::OnMeasureItem(MEASUREITEMSTRUCT& item) const
{
    // Asked while a list is being made, before it is placed.
    const std::size_t index = std::size_t(int(item.CtlID) - FirstControlId);
    if (item.CtlType != ODT_COMBOBOX || index >= description_.controls.size()) return false;
    item.itemHeight = item.itemID == UINT(-1) ? UINT(Scaled(description_.controls[index].box.height, dpi_) - 6)
                                              : UINT(Scaled(Shell::ListRowHeight, dpi_));
    return true;
}

bool Window::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    Built* built = ById(int(item.CtlID));
    if (!built) return false;
    const Shell::Control& control = *built->control;
    switch (control.kind) {
    case Shell::Kind::Label: {
        // Over the window's own background, so that its ink may reach into its neighbour's
        // box. Disabled, it greys like its list.
        const COLORREF colour =
            IsWindowEnabled(built->handle) ? ColourOf(Shell::TypeOf(control.role).colour) : GetSysColor(COLOR_GRAYTEXT);
        const TextEdge edge = control.align == Shell::Align::Centred ? TextEdge::Centre : TextEdge::Right;
        const std::wstring text = ShownWide(built->text);
        const bool rightToLeft = control.reading == Shell::Reading::RightToLeft;
        DrawLine(item.hDC, item.rcItem, text,
                 FittingFont(control.role, text, item.rcItem.right - item.rcItem.left, rightToLeft, dpi_), colour, edge,
                 rightToLeft);
        return true;
    }
    case Shell::Kind::Banner: DrawBanner(item.hDC, item.rcItem, Wide(built->text), dpi_); return true;
    case Shell::Kind::List: {
        const std::wstring text = item.itemID == UINT(-1) ? std::wstring() : ItemText(built->handle, int(item.itemID));
        DrawListItem(item, ShownWide(Utf8(text)), FontOf(control.role, dpi_), dpi_);
        return true;
    }
    default: return false;
    }
}

bool Window::OnActivate(WPARAM wParam)
{
    // The control that held the focus when the window was left holds it again.
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focus_ = focus;
        return false;
    }
    if (!focus_ || !IsWindowEnabled(focus_) || !IsWindowVisible(focus_)) return false;
    SetFocus(focus_);
    return true;
}

bool Window::OnContextMenu(LPARAM lParam)
{
    if (description_.kind != Shell::WindowKind::ResultSheet) return false;
    // The sheet's commands, read right to left as the sheet is.
    const HMENU menu = CreatePopupMenu();
    const auto commands = Shell::SheetCommands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::wstring text = Wide(commands[i].text) + L"\t" + Wide(commands[i].shortcut);
        AppendMenuW(menu, MF_STRING | MFT_RIGHTORDER | MFT_RIGHTJUSTIFY, MenuCommandAt(i), text.c_str());
    }
    POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
    if (lParam == -1) {
        RECT client{};
        GetClientRect(window_, &client);
        at = {client.right / 2, client.bottom / 2};
        ClientToScreen(window_, &at);
    }
    TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_LAYOUTRTL | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    DestroyMenu(menu);
    return true;
}

void Window::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    // Moved to a screen of another resolution: every pixel given scales anew.
    dpi_ = HIWORD(wParam);
    const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
    Layout();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::OnScroll(WPARAM wParam)
{
    const int line = Scaled(Shell::ListRowHeight, dpi_);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: ScrollTo(scrolled_ - line); break;
    case SB_LINEDOWN: ScrollTo(scrolled_ + line); break;
    case SB_PAGEUP: ScrollTo(scrolled_ - shown_); break;
    case SB_PAGEDOWN: ScrollTo(scrolled_ + shown_); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(Scaled(description_.client.height, dpi_)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO bar{sizeof bar, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(window_, SB_VERT, &bar);
        ScrollTo(bar.nTrackPos);
        break;
    }
    default: break;
    }
}

void Window::OnWheel(WPARAM wParam)
{
    // A notch moves the lines the user's settings say, each a list row high.
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int turned = GET_WHEEL_DELTA_WPARAM(wParam);
    const int rows = lines == WHEEL_PAGESCROLL ? 0 : int(lines);
    const int step = rows ? rows * Scaled(Shell::ListRowHeight, dpi_) : shown_;
    ScrollTo(scrolled_ - turned * step / WHEEL_DELTA);
}

void Window::SheetCommand(Shell::KeyAction action)
{
    const auto* sheet = dynamic_cast<const Shell::ResultSheet*>(form_);
    if (!sheet) return;
    if (action == Shell::KeyAction::CopySheet) {
        // Another program may hold the clipboard open for a moment; where it keeps it, the user
        // is told, so that an earlier copy is not taken for this one.
        const std::wstring text = WindowsLines(Wide(sheet->SheetText()));
        if (!Shell::PutOnClipboard([&] { return SetClipboardText(window_, text); },
                                   [](int milliseconds) { Sleep(DWORD(milliseconds)); }))
            ShowMessage(Shell::ErrorBox(Shell::Texts::CopyFailed));
    }
    if (action == Shell::KeyAction::PrintSheet) PrintSheet(*this);
}

// ---- Keys and typing --------------------------------------------------------------------

bool Window::ListKey(Built& list, const MSG& message)
{
    std::optional<int> row;
    const int count = int(SendMessageW(list.handle, CB_GETCOUNT, 0, 0));
    if (message.message == WM_KEYDOWN) {
        const Shell::Keystroke stroke = StrokeOf(message.wParam);
        if (stroke.key != Shell::Key::PageUp && stroke.key != Shell::Key::PageDown) return false;
        row = Shell::ListRowAfterKey(stroke, int(SendMessageW(list.handle, CB_GETCURSEL, 0, 0)), count);
        if (!row) return false;
    } else if (message.message == WM_CHAR && Shell::SeeksItem(char32_t(message.wParam))) {
        list.seeking = Shell::TypedAhead(list.seeking, char32_t(message.wParam), message.time);
        std::vector<std::string> items;
        for (int i = 0; i < count; ++i) items.push_back(Utf8(ItemText(list.handle, i)));
        row = Shell::ItemStartingWith(items, list.seeking.typed);
    } else {
        return false;
    }
    // Open, the highlight moves; closed, the item, which is the user's choice.
    if (row) {
        SendMessageW(list.handle, CB_SETCURSEL, WPARAM(*row), 0);
        if (!SendMessageW(list.handle, CB_GETDROPPEDSTATE, 0, 0)) Chosen(list, false);
    }
    return true;
}

bool Window::Key(MSG& message)
{
    const HWND focus = GetFocus();
    Built* focused = focus ? ById(GetDlgCtrlID(focus)) : nullptr;
    if (focused && focused->handle != focus) focused = nullptr;
    // PageUp and PageDown, and typing, on a list as the rules take them: the list's own pages
    // are a row short, and its typing seeks one character at a time.
    if (focused && focused->control->kind == Shell::Kind::List && ListKey(*focused, message)) return true;
    if (message.message == WM_KEYDOWN) {
        // A key brings the control holding the focus into view again, Tab on the only one too.
        inView_ = nullptr;
        const std::optional<Shell::Kind> kind = focused ? std::optional(focused->control->kind) : std::nullopt;
        const bool listOpen = kind == Shell::Kind::List && SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0);
        const auto press = [this](HWND button) {
            if (button && IsWindowEnabled(button))
                SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
        };
        const Shell::KeyAction action =
            Shell::WhatKeyDoes(StrokeOf(message.wParam), {description_.kind, kind, listOpen});
        switch (action) {
        case Shell::KeyAction::Nothing: return true;
        case Shell::KeyAction::PressFocused: press(focus); return true;
        case Shell::KeyAction::PressDefault: press(DefaultButton()); return true;
        case Shell::KeyAction::CopySheet:
        case Shell::KeyAction::PrintSheet: SheetCommand(action); return true;
        case Shell::KeyAction::SelectAll: SendMessageW(focus, EM_SETSEL, 0, -1); return true;
        // An open list chooses or keeps its item itself, and tells which (OnList).
        case Shell::KeyAction::ChooseItem:
        case Shell::KeyAction::KeepItem:
        case Shell::KeyAction::Toolkit: break;
        }
    }
    // Tab, the arrows between options and everything else a window of controls does.
    return IsDialogMessageW(window_, &message);
}

LRESULT CALLBACK Window::EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* window = reinterpret_cast<Window*>(self);
    const Built* built = window->ById(GetDlgCtrlID(edit));
    switch (message) {
    case WM_CHAR:
        if (built && !window->OnEditChar(*built, wParam)) return 0;
        break;
    case WM_KEYDOWN:
        // Shift+Insert pastes, as the box's own menu does: both through WM_PASTE. Ctrl+V types a
        // control character, which the digit filter discards as it discards every other.
        if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
            SendMessageW(edit, WM_PASTE, 0, 0);
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // Whichever way the focus comes (Tab, the pointer, the program, a box closing), the
        // whole text shows selected, so that what is typed replaces it.
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        return result;
    }
    case WM_LBUTTONDOWN:
        // The press that brings the focus leaves the text selected; a press in a field that
        // held it puts the caret where it points, as the box does.
        if (Shell::WhatPressDoes(GetFocus() == edit) == Shell::FieldPress::SelectWhole) {
            SetFocus(edit);
            return 0;
        }
        break;
    case WM_PASTE:
        if (built) {
            window->OnPaste(*built);
            return 0;
        }
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(edit, EditProcedure, 1); break;
    default: break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

bool Window::OnEditChar(const Built& edit, WPARAM& character)
{
    if (!form_) return true;
    // Each typed character goes through the window's key handler before the box sees it.
    char32_t key = char32_t(character);
    form_->Typed(IdOf(edit), key);
    character = WPARAM(key);
    return key != 0;
}

void Window::OnPaste(const Built& edit)
{
    const std::wstring pasted = ClipboardText();
    if (pasted.empty()) return;
    DWORD start = 0, end = 0;
    SendMessageW(edit.handle, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    // The pasted text is taken whole, whatever the typing limit, all its lines.
    const std::wstring text = Wide(Shell::PastedText(Utf8(WindowText(edit.handle)), start, end - start, Utf8(pasted)));
    SendMessageW(edit.handle, EM_LIMITTEXT, WPARAM(Shell::LimitAfterWriting(edit.control->maxLength, int(text.size()))),
                 0);
    SetWindowTextW(edit.handle, text.c_str());
    const WPARAM caret = start + pasted.size();
    SendMessageW(edit.handle, EM_SETSEL, caret, LPARAM(caret));
}

}  // namespace Win32Face
