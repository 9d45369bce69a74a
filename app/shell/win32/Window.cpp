// SPDX-License-Identifier: GPL-3.0-or-later
#include "Window.h"

#include "Look.h"
#include "MessageWindow.h"
#include "Painting.h"
#include "Printing.h"
#include "ShellTexts.h"
#include "Text.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

namespace Win32Face {

namespace {

constexpr wchar_t WindowClass[] = L"CoolingLoad.Window";
constexpr int FirstId = 1000;   // the first control's; the others follow in the description's order
constexpr int OpenRows = 10;    // rows of an open list, at most
constexpr int ItemHeight = 32;  // of a list's row
constexpr int CopyCommand = 1;  // of a sheet's context menu
constexpr int PrintCommand = 2;

DWORD StyleOf(const Shell::WindowDescription& window)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    if (window.buttons == Shell::TitleButtons::MinimizeAndClose) style |= WS_MINIMIZEBOX;
    return style;
}

DWORD ExStyleOf(const Shell::WindowDescription& window)
{
    // A dialog frame has no icon in its title bar.
    return window.border == Shell::Border::Dialog ? WS_EX_DLGMODALFRAME : 0;
}

ATOM WindowAtom(WNDPROC procedure = nullptr)
{
    static const ATOM atom = [procedure] {
        const HINSTANCE program = GetModuleHandleW(nullptr);
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = procedure;
        type.hInstance = program;
        type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
        type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        // The program's icon, where the program has one: the first in its resources.
        type.hIcon = LoadIconW(program, MAKEINTRESOURCEW(1));
        type.hIconSm = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        type.lpszClassName = WindowClass;
        return RegisterClassExW(&type);
    }();
    return atom;
}

Window* WindowAt(HWND handle)
{
    if (!handle || GetClassLongPtrW(handle, GCW_ATOM) != WindowAtom()) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

bool IsMessageBox(HWND handle)
{
    wchar_t name[64] = {};
    GetClassNameW(handle, name, 64);
    return lstrcmpW(name, MessageBoxClass) == 0;
}

std::wstring WindowText(HWND handle)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(handle, text.data(), int(text.size()))));
    return text;
}

std::wstring ItemText(HWND list, int position)
{
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, WPARAM(position), 0);
    if (length == CB_ERR) return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(SendMessageW(list, CB_GETLBTEXT, WPARAM(position), LPARAM(text.data()))));
    return text;
}

bool Plain() { return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0; }

}  // namespace

// ---- Building --------------------------------------------------------------------------

Window::Window(Face& face, const Shell::WindowDescription& description) : face_(face), description_(description)
{
    WindowAtom(Procedure);
    window_ = CreateWindowExW(ExStyleOf(description), WindowClass, Wide(description.caption).c_str(),
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

void Window::Build()
{
    const HINSTANCE program = GetModuleHandleW(nullptr);
    bool afterOption = false;
    controls_.reserve(description_.controls.size());
    for (const Shell::Control& control : description_.controls) {
        Built built{&control, nullptr, FirstId + int(controls_.size()), std::string(control.text), control.hidden};
        const wchar_t* type = L"Static";
        DWORD style = WS_CHILD | (control.hidden ? 0 : WS_VISIBLE);
        DWORD exStyle = 0;
        const bool rightToLeft = control.reading == Shell::Reading::RightToLeft;
        switch (control.kind) {
        case Shell::Kind::Label:
            // Drawn here and placed by the width of its text shaped (DrawLine): the static
            // control would place Persian by its letters unjoined under Wine.
            style |= SS_OWNERDRAW | SS_NOPREFIX;
            if (rightToLeft) exStyle |= WS_EX_RTLREADING;
            break;
        case Shell::Kind::Edit:
            // A field holds a number, which reads left to right in Persian text too.
            type = L"Edit";
            style |= WS_TABSTOP | ES_AUTOHSCROLL | (control.align == Shell::Align::Centred ? ES_CENTER : ES_RIGHT);
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case Shell::Kind::List:
            // Its items are drawn here, at the right edge, read right to left (DrawListItem).
            type = L"ComboBox";
            style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
            break;
        case Shell::Kind::Option:
            // The caption stands to the left of the button, read right to left.
            // Its caption, like a button's, is a picture of the shaped text (CaptionPicture).
            type = L"Button";
            style |= BS_AUTORADIOBUTTON | BS_RIGHTBUTTON | BS_RIGHT | BS_ICON;
            exStyle |= WS_EX_RTLREADING;
            break;
        case Shell::Kind::Button:
            type = L"Button";
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;
            break;
        case Shell::Kind::OkButton:
            type = L"Button";
            style |= WS_TABSTOP | BS_DEFPUSHBUTTON | BS_ICON;
            break;
        case Shell::Kind::Banner: style |= SS_OWNERDRAW; break;
        case Shell::Kind::Rule: style |= SS_ETCHEDHORZ; break;
        }
        // The options form one group; every other control is a group of its own.
        const bool option = control.kind == Shell::Kind::Option;
        if (!(option && afterOption)) style |= WS_GROUP;
        afterOption = option;

        const std::wstring text = control.kind == Shell::Kind::Label ? ShownWide(control.text) : Wide(control.text);
        controls_.push_back(built);
        const HWND handle = CreateWindowExW(exStyle, type, text.c_str(), style, 0, 0, 1, 1, window_,
                                            reinterpret_cast<HMENU>(INT_PTR(built.id)), program, nullptr);
        controls_.back().handle = handle;
        Built& made = controls_.back();
        switch (control.kind) {
        case Shell::Kind::Edit:
            SendMessageW(handle, EM_LIMITTEXT, WPARAM(control.maxLength), 0);
            SetWindowSubclass(handle, EditProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
            break;
        case Shell::Kind::List:
            for (const std::string& item : Shell::ItemTexts(control.items))
                SendMessageW(handle, CB_ADDSTRING, 0, LPARAM(Wide(item).c_str()));
            SendMessageW(handle, CB_SETCURSEL, WPARAM(control.selected), 0);
            SendMessageW(handle, CB_SETMINVISIBLE, OpenRows, 0);
            made.known = control.selected;
            break;
        case Shell::Kind::Option:
            SendMessageW(handle, BM_SETCHECK, control.selected == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
            // The visual styles draw an option's caption in their own colour; without them it
            // takes the window's.
            SetWindowTheme(handle, L"", L"");
            break;
        default: break;
        }
    }
    FocusTheSelectedOption();
    // The first in the tab order holds the focus when the window opens.
    for (const Built& built : controls_)
        if (Shell::TakesFocus(built.control->kind) && !built.hidden) {
            focus_ = built.handle;
            break;
        }
}

void Window::Layout()
{
    RECT outer{0, 0, Scaled(description_.client.width, dpi_), Scaled(description_.client.height, dpi_)};
    AdjustWindowRectExForDpi(&outer, StyleOf(description_), FALSE, ExStyleOf(description_), dpi_);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (Built& built : controls_) {
        const Shell::Control& control = *built.control;
        const Shell::Rect& box = control.box;
        const int left = Scaled(box.left, dpi_), top = Scaled(box.top, dpi_);
        const int width = Scaled(box.width, dpi_), height = Scaled(box.height, dpi_);
        SendMessageW(built.handle, WM_SETFONT, WPARAM(FontOf(control.role, dpi_)), FALSE);
        switch (control.kind) {
        case Shell::Kind::Label: PlaceLabel(built); break;
        case Shell::Kind::List: {
            // The height given when placing a list is that of the list open; the closed box
            // takes the height of its chosen item's field and its frame.
            SetWindowPos(built.handle, nullptr, left, top, width, height + OpenRows * Scaled(ItemHeight, dpi_) + 2,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(built.handle, CB_SETITEMHEIGHT, 0, Scaled(ItemHeight, dpi_));
            // The frame around the field is the system's; the field gives way until the box
            // is as high as described.
            // (Wine reports a field 2 pixels higher than it was given.)
            int field = height - 6;
            for (int tries = 0; tries < 3; ++tries) {
                SendMessageW(built.handle, CB_SETITEMHEIGHT, WPARAM(-1), std::max(1, field));
                RECT closed{};
                GetWindowRect(built.handle, &closed);
                const int off = (closed.bottom - closed.top) - height;
                if (off == 0) break;
                field -= off;
            }
            break;
        }
        case Shell::Kind::Button:
        case Shell::Kind::OkButton:
        case Shell::Kind::Option: Picture(built); [[fallthrough]];
        default: SetWindowPos(built.handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE); break;
        }
        if (control.kind == Shell::Kind::Edit) FitEdit(built);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void Window::PlaceLabel(const Built& label)
{
    const Shell::Control& control = *label.control;
    const bool rightToLeft = control.reading == Shell::Reading::RightToLeft;
    const SIZE text = TextSize(FontOf(control.role, dpi_), ShownWide(label.text), rightToLeft);
    const Shell::Rect& box = control.box;
    RECT at{Scaled(box.left, dpi_), Scaled(box.top, dpi_), Scaled(box.left + box.width, dpi_),
            Scaled(box.top + box.height, dpi_)};
    if (box.SizedToText()) {
        // A pixel of room on either side, for the ink of letters that reach past their advance
        // (a bold dal at the end of a Persian word).
        at.left -= 1;
        at.right = at.left + text.cx + 2;
        at.bottom = at.top + text.cy;
    } else if (control.growsLeft && text.cx + 2 > at.right - at.left) {
        at.left = at.right - (text.cx + 2);
    }
    RECT before{};
    GetWindowRect(label.handle, &before);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&before), 2);
    SetWindowPos(label.handle, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // A label is drawn over the window's own background, so that its ink may reach into its
    // neighbour's box; the window paints that background anew wherever the label changes.
    UnionRect(&at, &at, &before);
    RedrawWindow(window_, &at, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Window::Picture(Built& button)
{
    const Shell::Control& control = *button.control;
    const int glyph = control.kind == Shell::Kind::OkButton ? Scaled(18, dpi_) : 0;
    // Inside the button's frame, beside an option's button.
    const int room =
        Scaled(control.box.width, dpi_) - glyph - glyph / 3 -
        (control.kind == Shell::Kind::Option ? GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + Scaled(6, dpi_)
                                             : Scaled(10, dpi_));
    const std::wstring text = Wide(button.text);
    const HICON picture = CaptionPicture(text, FittingFont(control.role, text, room, true, dpi_),
                                         ColourOf(Shell::TypeOf(control.role).colour), true, glyph);
    SendMessageW(button.handle, BM_SETIMAGE, IMAGE_ICON, LPARAM(picture));
    if (button.picture) DestroyIcon(button.picture);
    button.picture = picture;
}

void Window::FitEdit(const Built& edit)
{
    RECT client{};
    GetClientRect(edit.handle, &client);
    const LRESULT margins = SendMessageW(edit.handle, EM_GETMARGINS, 0, 0);
    // The caret takes a pixel, and the box keeps one free either side.
    const int room = client.right - LOWORD(margins) - HIWORD(margins) - 3;
    const HFONT font = FittingFont(edit.control->role, WindowText(edit.handle), room, false, dpi_);
    if (HFONT(SendMessageW(edit.handle, WM_GETFONT, 0, 0)) != font)
        SendMessageW(edit.handle, WM_SETFONT, WPARAM(font), TRUE);
}

void Window::FocusTheSelectedOption()
{
    // Only the selected option of a group takes the focus from Tab, as in any option group;
    // the arrow keys move between the options.
    for (const Built& built : controls_) {
        if (built.control->kind != Shell::Kind::Option) continue;
        const bool selected = SendMessageW(built.handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const LONG_PTR style = GetWindowLongPtrW(built.handle, GWL_STYLE);
        SetWindowLongPtrW(built.handle, GWL_STYLE, selected ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

// ---- Events ----------------------------------------------------------------------------

LRESULT CALLBACK Window::Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->window_ = handle;
        SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (!window) return DefWindowProcW(handle, message, wParam, lParam);
    return window->Handle(message, wParam, lParam);
}

LRESULT CALLBACK Window::EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    if (message == WM_CHAR) {
        auto* window = reinterpret_cast<Window*>(self);
        if (Built* built = window->ById(GetDlgCtrlID(edit)); built && window->form_) {
            // Each typed character goes through the window's key handler before the box sees it.
            char32_t key = char32_t(wParam);
            window->form_->Typed(window->IdOf(*built), key);
            if (key == 0) return 0;
            wParam = WPARAM(key);
        }
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, EditProcedure, 1);
    return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT Window::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0)
            if (Built* built = ById(LOWORD(wParam))) Command(*built, HIWORD(wParam));
        if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) == CopyCommand) CopySheet();
        if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) == PrintCommand) PrintSheet(*this);
        return 0;
    case WM_MEASUREITEM: {
        // Asked while a list is being made, before it is placed.
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const std::size_t index = std::size_t(int(item.CtlID) - FirstId);
        if (item.CtlType == ODT_COMBOBOX && index < description_.controls.size()) {
            item.itemHeight = item.itemID == UINT(-1) ? UINT(Scaled(description_.controls[index].box.height, dpi_) - 6)
                                                      : UINT(Scaled(ItemHeight, dpi_));
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        Built* built = ById(int(item.CtlID));
        if (!built) break;
        if (built->control->kind == Shell::Kind::Label) {
            // Over the window's own background, so that its ink may reach into its neighbour's
            // box. Disabled, it greys like its list.
            const Shell::Control& control = *built->control;
            const COLORREF colour = IsWindowEnabled(built->handle) ? ColourOf(Shell::TypeOf(control.role).colour)
                                                                   : GetSysColor(COLOR_GRAYTEXT);
            const TextEdge edge = control.align == Shell::Align::Centred ? TextEdge::Centre : TextEdge::Right;
            const std::wstring text = ShownWide(built->text);
            const bool rightToLeft = control.reading == Shell::Reading::RightToLeft;
            DrawLine(item.hDC, item.rcItem, text,
                     FittingFont(control.role, text, item.rcItem.right - item.rcItem.left, rightToLeft, dpi_), colour,
                     edge, rightToLeft);
            return TRUE;
        }
        if (built->control->kind == Shell::Kind::Banner) {
            DrawBanner(item.hDC, item.rcItem, Wide(built->text), dpi_);
            return TRUE;
        }
        if (built->control->kind == Shell::Kind::List) {
            const std::wstring text =
                item.itemID == UINT(-1) ? std::wstring() : ItemText(built->handle, int(item.itemID));
            DrawListItem(item, ShownWide(Utf8(text)), FontOf(built->control->role, dpi_), dpi_);
            return TRUE;
        }
        break;
    }
    case WM_CLOSE:
        // What closing does is the window's to decide.
        if (form_) form_->CloseBoxPressed();
        return 0;
    case WM_ACTIVATE:
        // The control that held the focus when the window was left holds it again.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) focus_ = focus;
        } else if (focus_ && IsWindowEnabled(focus_) && IsWindowVisible(focus_)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case DM_GETDEFID:
        if (const HWND ok = DefaultButton()) return MAKELRESULT(GetDlgCtrlID(ok), DC_HASDEFID);
        return 0;
    case WM_CONTEXTMENU:
        if (description_.kind == Shell::WindowKind::ResultSheet) {
            // The sheet's commands, read right to left as the sheet is.
            const HMENU menu = CreatePopupMenu();
            const std::wstring copy = Wide(Shell::Texts::CopySheet) + L"\tCtrl+C";
            const std::wstring print = Wide(Shell::Texts::PrintSheet) + L"\tCtrl+P";
            AppendMenuW(menu, MF_STRING | MFT_RIGHTORDER | MFT_RIGHTJUSTIFY, CopyCommand, copy.c_str());
            AppendMenuW(menu, MF_STRING | MFT_RIGHTORDER | MFT_RIGHTJUSTIFY, PrintCommand, print.c_str());
            POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
            if (lParam == -1) {
                RECT client{};
                GetClientRect(window_, &client);
                at = {client.right / 2, client.bottom / 2};
                ClientToScreen(window_, &at);
            }
            TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_LAYOUTRTL | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
            DestroyMenu(menu);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a screen of another resolution: every pixel given scales anew.
        dpi_ = HIWORD(wParam);
        const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
        Layout();
        for (const Built& built : controls_)
            if (built.control->kind == Shell::Kind::Edit) FitEdit(built);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Window::Command(Built& built, int code)
{
    const Shell::Control& control = *built.control;
    switch (control.kind) {
    case Shell::Kind::Button:
    case Shell::Kind::OkButton:
        if (code == BN_CLICKED && form_) form_->Clicked(IdOf(built));
        break;
    case Shell::Kind::Option:
        if (code == BN_CLICKED) FocusTheSelectedOption();
        break;
    case Shell::Kind::List:
        // Only a change the user makes is an event: picking the item already chosen is none,
        // and the program's own choices send no notice.
        if (code == CBN_SELCHANGE) {
            const int position = int(SendMessageW(built.handle, CB_GETCURSEL, 0, 0));
            if (position != built.known) {
                built.known = position;
                if (form_) form_->Changed(IdOf(built));
            }
        }
        break;
    case Shell::Kind::Edit:
        if (code == EN_CHANGE) {
            // After the program wrote a longer text, the limit follows the text down as the
            // user deletes, so typing never makes it longer than it is.
            const int limit = int(SendMessageW(built.handle, EM_GETLIMITTEXT, 0, 0));
            const int length = GetWindowTextLengthW(built.handle);
            if (limit > control.maxLength)
                SendMessageW(built.handle, EM_LIMITTEXT, WPARAM(std::max(control.maxLength, length)), 0);
            FitEdit(built);
        }
        break;
    default: break;
    }
}

bool Window::Key(MSG& message)
{
    if (message.message == WM_KEYDOWN) {
        const HWND focus = GetFocus();
        const Built* focused = focus ? ById(GetDlgCtrlID(focus)) : nullptr;
        if (focused && focused->handle != focus) focused = nullptr;
        // An open list takes Enter and Escape itself, to choose or to close.
        const bool listOpen =
            focused && focused->control->kind == Shell::Kind::List && SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0);
        switch (message.wParam) {
        case VK_RETURN:
            if (listOpen || !Plain()) break;
            if (description_.kind != Shell::WindowKind::InputWindow) {
                // Enter on a dialog presses its default button.
                if (const HWND ok = DefaultButton(); ok && IsWindowEnabled(ok))
                    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED), LPARAM(ok));
                return true;
            }
            // A push button takes Enter only in a dialog; on an input window Enter presses the
            // focused button as Space does.
            if (focused &&
                (focused->control->kind == Shell::Kind::Button || focused->control->kind == Shell::Kind::OkButton))
                SendMessageW(window_, WM_COMMAND, MAKEWPARAM(focused->id, BN_CLICKED), LPARAM(focus));
            return true;
        case VK_ESCAPE:
            // Escape would close a dialog; only its buttons and its close box do, and Escape on
            // the start dialog would leave the program running unseen.
            if (listOpen) break;
            return true;
        case 'C':
            if (description_.kind == Shell::WindowKind::ResultSheet && GetKeyState(VK_CONTROL) < 0 &&
                GetKeyState(VK_MENU) >= 0) {
                CopySheet();
                return true;
            }
            break;
        case 'P':
            if (description_.kind == Shell::WindowKind::ResultSheet && GetKeyState(VK_CONTROL) < 0 &&
                GetKeyState(VK_MENU) >= 0) {
                PrintSheet(*this);
                return true;
            }
            break;
        default: break;
        }
    }
    // Tab, the arrows between options and everything else a window of controls does.
    return IsDialogMessageW(window_, &message);
}

void Window::CopySheet()
{
    const auto* sheet = dynamic_cast<const Shell::ResultSheet*>(form_);
    if (!sheet) return;
    // Lines end as Windows' own texts do.
    std::wstring text;
    for (const wchar_t c : Wide(sheet->SheetText())) {
        if (c == L'\n') text += L'\r';
        text += c;
    }
    if (!OpenClipboard(window_)) return;
    EmptyClipboard();
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

// ---- The view --------------------------------------------------------------------------

Window::Built& Window::At(Shell::ControlId control) { return controls_[Shell::PositionOf(description_, control)]; }

const Window::Built& Window::At(Shell::ControlId control) const { return const_cast<Window*>(this)->At(control); }

Window::Built* Window::ById(int id)
{
    const std::size_t index = std::size_t(id - FirstId);
    return index < controls_.size() ? &controls_[index] : nullptr;
}

Shell::ControlId Window::IdOf(const Built& built) const
{
    return Shell::ControlId::At(description_.controls, std::size_t(built.id - FirstId));
}

HWND Window::Control(Shell::ControlId control) const { return At(control).handle; }

HWND Window::DefaultButton() const
{
    for (const Built& built : controls_)
        if (built.control->kind == Shell::Kind::OkButton) return built.handle;
    return nullptr;
}

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
        SendMessageW(built.handle, EM_LIMITTEXT, WPARAM(std::max<int>(built.control->maxLength, int(wide.size()))), 0);
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
        FocusTheSelectedOption();
    }
}

void Window::SetEnabled(Shell::ControlId control, bool enabled)
{
    const Built& built = At(control);
    EnableWindow(built.handle, enabled);
    // A label greys over the window's own background, not over its red.
    if (built.control->kind == Shell::Kind::Label) PlaceLabel(built);
}

void Window::SetHidden(Shell::ControlId control, bool hidden)
{
    Built& built = At(control);
    built.hidden = hidden;
    ::ShowWindow(built.handle, hidden ? SW_HIDE : SW_SHOWNA);
}

void Window::ShowWindow()
{
    // Placed before it appears, so that it appears in its place.
    if (form_) form_->Shown();
    ::ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    BringWindowToTop(window_);
    if (focus_ && GetActiveWindow() == window_) SetFocus(focus_);
}

void Window::HideWindow() { ::ShowWindow(window_, SW_HIDE); }

void Window::ShowModal()
{
    ModalScope modal;
    // Over its input window, which takes no input until the sheet closes.
    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(modal.Owner()));
    // The default button holds the focus each time the sheet opens.
    if (const HWND ok = DefaultButton()) focus_ = ok;
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

Shell::Size Window::ScreenSize() const
{
    // The whole primary display counts, the area under a task bar included.
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Shell::Rect Window::WorkArea() const
{
    // The primary screen less its task bars.
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return {0, 0, ScreenSize().width, ScreenSize().height};
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

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

void Window::ShowMessage(const Shell::Message& message) { MessageBoxSeam()(message); }

std::string Window::DecimalSeparator() const
{
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 0) return ".";
    return Utf8(separator);
}

void Window::Quit() { PostQuitMessage(0); }

// ---- The face and the message loop ------------------------------------------------------

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

Window& Face::WindowOf(const Shell::Form& form) { return static_cast<Window&>(form.Window()); }

bool TakeMessage(MSG& message)
{
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Window* window = WindowAt(root)) return window->Key(message);
    if (root && IsMessageBox(root)) return IsDialogMessageW(root, &message);
    return false;
}

namespace {

// One message through the program's windows; false once the program quits.
bool Pump(int& code)
{
    MSG message{};
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        code = got == 0 ? int(message.wParam) : 1;
        return false;
    }
    if (!TakeMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

}  // namespace

int RunMessageLoop()
{
    int code = 0;
    while (Pump(code)) {}
    return code;
}

bool RunModalLoop(const bool& running)
{
    int code = 0;
    while (running)
        if (!Pump(code)) {
            // The loop beneath ends too.
            PostQuitMessage(code);
            return false;
        }
    return true;
}

ModalScope::ModalScope()
{
    const HWND active = GetActiveWindow();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) -> BOOL {
            if (IsWindowVisible(window) && IsWindowEnabled(window))
                reinterpret_cast<ModalScope*>(self)->disabled_.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    owner_ = std::find(disabled_.begin(), disabled_.end(), active) != disabled_.end() ? active
             : disabled_.empty()                                                      ? nullptr
                                                                                      : disabled_.front();
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

void ModalScope::End()
{
    for (HWND window : disabled_) EnableWindow(window, TRUE);
    disabled_.clear();
}

}  // namespace Win32Face
