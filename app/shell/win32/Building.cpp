// SPDX-License-Identifier: GPL-3.0-or-later
// A window's controls made from its description and placed at the screen's resolution.
#include "Window.h"

#include "Accessibility.h"
#include "Look.h"
#include "Styles.h"
#include "Text.h"

#include <commctrl.h>
#include <uxtheme.h>

namespace Win32Face {

namespace {

RECT ScaledBox(const Shell::Rect& box, unsigned dpi)
{
    return {Scaled(box.left, dpi), Scaled(box.top, dpi), Scaled(box.left + box.width, dpi),
            Scaled(box.top + box.height, dpi)};
}

}  // namespace

std::vector<std::size_t> Window::CreationOrder() const
{
    // A screen reader names an edit box or a list, where nothing else names it, by the static
    // text just before it in the z-order: each input's unit, where it has one and it is not yet
    // made, then its caption, stand just before it. The rest keep the description's order.
    const auto controls = description_.controls;
    const auto at = [&controls](Shell::ControlId control) { return std::size_t(&*control - controls.data()); };
    std::vector<bool> placed(controls.size(), false), beforeInput(controls.size(), false);
    for (const Shell::CaptionedInput& input : description_.inputs) {
        beforeInput[at(input.caption)] = true;
        if (input.unit) beforeInput[at(*input.unit)] = true;
    }
    std::vector<std::size_t> order;
    const auto place = [&](std::size_t position) {
        if (placed[position]) return;
        placed[position] = true;
        order.push_back(position);
    };
    for (std::size_t position = 0; position < controls.size(); ++position) {
        for (const Shell::CaptionedInput& input : description_.inputs) {
            if (at(input.control) != position) continue;
            if (input.unit) place(at(*input.unit));
            place(at(input.caption));
        }
        if (!beforeInput[position]) place(position);
    }
    return order;
}

void Window::Build()
{
    const HINSTANCE program = GetModuleHandleW(nullptr);
    controls_.resize(description_.controls.size());
    std::size_t previous = controls_.size();  // the control made before, for the option group
    for (const std::size_t position : CreationOrder()) {
        const Shell::Control& control = description_.controls[position];
        ControlStyle made = StyleOf(control);
        // The options form one group; every other control is a group of its own.
        const bool option = control.kind == Shell::Kind::Option;
        const bool afterOption =
            previous < controls_.size() && controls_[previous].control->kind == Shell::Kind::Option;
        if (!(option && afterOption)) made.style |= WS_GROUP;
        previous = position;

        const int id = FirstControlId + int(position);
        const std::wstring text = control.kind == Shell::Kind::Label ? ShownWide(control.text) : Wide(control.text);
        const HWND handle = CreateWindowExW(made.exStyle, made.type, text.c_str(), made.style, 0, 0, 1, 1, window_,
                                            reinterpret_cast<HMENU>(INT_PTR(id)), program, nullptr);
        controls_[position] = {&control, handle, id, std::string(control.text), control.hidden};
        switch (control.kind) {
        case Shell::Kind::Edit:
            SendMessageW(handle, EM_LIMITTEXT, WPARAM(control.maxLength), 0);
            SetWindowSubclass(handle, EditProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
            break;
        case Shell::Kind::List:
            for (const std::string& item : Shell::ItemTexts(control.items))
                SendMessageW(handle, CB_ADDSTRING, 0, LPARAM(Wide(item).c_str()));
            SendMessageW(handle, CB_SETCURSEL, WPARAM(control.selected), 0);
            SendMessageW(handle, CB_SETMINVISIBLE, Shell::OpenListRows, 0);
            controls_[position].known = control.selected;
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
    // Every input is named as the shell hears it, its caption with its unit.
    for (const Shell::CaptionedInput& input : description_.inputs)
        Annotate(Control(input.control), {.name = Wide(Shell::HeardOf(description_, *this, input.control).name)});
    for (Built& built : controls_)
        if (built.control->kind == Shell::Kind::List) built.heard = Text(IdOf(built));
    UpdateTabStops();
}

void Window::UpdateTabStops()
{
    for (const Built& built : controls_) {
        const bool selected = SendMessageW(built.handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const bool stop = Shell::IsTabStop(built.control->kind, selected, built.hidden, IsWindowEnabled(built.handle));
        const LONG_PTR style = GetWindowLongPtrW(built.handle, GWL_STYLE);
        if (((style & WS_TABSTOP) != 0) != stop)
            SetWindowLongPtrW(built.handle, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

void Window::Layout()
{
    // The controls are placed in the whole client area, unscrolled, then the window is fitted.
    scrolled_ = shown_ = 0;
    for (Built& built : controls_) {
        const Shell::Control& control = *built.control;
        const Shell::Rect& box = control.box;
        const RECT at{Scaled(box.left, dpi_), Scaled(box.top, dpi_), Scaled(box.left, dpi_) + Scaled(box.width, dpi_),
                      Scaled(box.top, dpi_) + Scaled(box.height, dpi_)};
        SendMessageW(built.handle, WM_SETFONT, WPARAM(FontOf(control.role, dpi_)), FALSE);
        switch (control.kind) {
        case Shell::Kind::Label: PlaceLabel(built); break;
        case Shell::Kind::List: PlaceList(built, at); break;
        case Shell::Kind::Button:
        case Shell::Kind::OkButton:
        case Shell::Kind::Option: Picture(built); [[fallthrough]];
        default:
            SetWindowPos(built.handle, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        if (control.kind == Shell::Kind::Edit) FitEdit(built);
    }
    FitOnWorkArea();
    InvalidateRect(window_, nullptr, TRUE);
}

void Window::PlaceLabel(const Built& label)
{
    const Shell::Control& control = *label.control;
    const bool rightToLeft = control.reading == Shell::Reading::RightToLeft;
    const std::wstring shown = ShownWide(label.text);
    // Only a box that follows its text needs the text measured.
    SIZE text{};
    if (Shell::LabelBoxFollowsText(control)) text = TextSize(FontOf(control.role, dpi_), shown, rightToLeft);
    // A label sized to its text keeps clear of the control beside it on its right, the text
    // drawn smaller where the face is wider than the one the window was drawn with.
    if (control.box.SizedToText()) {
        const int room = RoomBeside(label, text.cy);
        if (text.cx + 2 > room)
            text.cx = TextSize(FittingFont(control.role, shown, room - 2, rightToLeft, dpi_), shown, rightToLeft).cx;
    }
    // The box at the screen's resolution, then as the rules size it for the text.
    Shell::Control scaled = control;
    const RECT given = ScaledBox(control.box, dpi_);
    scaled.box = {given.left, given.top, given.right - given.left, given.bottom - given.top};
    const Shell::Rect box = Shell::LabelBox(scaled, {int(text.cx), int(text.cy)});
    // Where the client area is scrolled, its controls stand that much higher.
    RECT at{box.left, box.top - scrolled_, box.left + box.width, box.top - scrolled_ + box.height};
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

int Window::RoomBeside(const Built& label, int height) const
{
    // The room the description gives it: up to the next control that stands across the
    // middle of its line, on its right.
    const Shell::Rect& box = label.control->box;
    const int left = Scaled(box.left, dpi_), middle = Scaled(box.top, dpi_) + height / 2;
    int room = Scaled(description_.client.width, dpi_) - left;
    for (const Built& other : controls_) {
        const Shell::Rect& beside = other.control->box;
        const int top = Scaled(beside.top, dpi_);
        const int bottom = beside.SizedToText() ? top + height : Scaled(beside.top + beside.height, dpi_);
        if (beside.left > box.left && top <= middle && middle < bottom)
            room = std::min(room, Scaled(beside.left, dpi_) - left);
    }
    return room;
}

void Window::PlaceList(const Built& list, RECT at)
{
    const int height = at.bottom - at.top;
    const int row = Scaled(Shell::ListRowHeight, dpi_);
    // The height given when placing a list is that of the list open; the closed box takes the
    // height of its chosen item's field and its frame.
    SetWindowPos(list.handle, nullptr, at.left, at.top, at.right - at.left, height + Shell::OpenListRows * row + 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(list.handle, CB_SETITEMHEIGHT, 0, row);
    // The frame around the field is the system's; the field gives way until the box is as
    // high as described. (Wine reports a field 2 pixels higher than it was given.)
    int field = height - 6;
    for (int tries = 0; tries < 3; ++tries) {
        SendMessageW(list.handle, CB_SETITEMHEIGHT, WPARAM(-1), std::max(1, field));
        RECT closed{};
        GetWindowRect(list.handle, &closed);
        const int off = (closed.bottom - closed.top) - height;
        if (off == 0) break;
        field -= off;
    }
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

}  // namespace Win32Face
