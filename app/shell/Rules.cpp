// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rules.h"

#include "ShellTexts.h"

#include <algorithm>
#include <cmath>

namespace Shell {

KeyAction WhatKeyDoes(Keystroke stroke, KeyPlace place)
{
    if (place.listOpen) {
        // An open list takes Enter and Escape itself: to choose, or to close keeping its item.
        if (stroke.Plain() && stroke.key == Key::Enter) return KeyAction::ChooseItem;
        if (stroke.Plain() && stroke.key == Key::Escape) return KeyAction::KeepItem;
        return KeyAction::Toolkit;
    }
    if (place.window == WindowKind::ResultSheet && stroke.control && !stroke.alt && !stroke.shift) {
        if (stroke.key == Key::C) return KeyAction::CopySheet;
        if (stroke.key == Key::P) return KeyAction::PrintSheet;
    }
    if (place.focused == Kind::Edit && stroke.control && !stroke.alt && !stroke.shift && stroke.key == Key::A)
        return KeyAction::SelectAll;
    if (!stroke.Plain()) return KeyAction::Toolkit;
    switch (stroke.key) {
    case Key::Enter:
        // A dialog's default button takes Enter wherever the focus is; on an input window a
        // push button takes Enter as it takes Space, and elsewhere Enter does nothing.
        if (place.window != WindowKind::InputWindow) return KeyAction::PressDefault;
        if (place.focused == Kind::Button || place.focused == Kind::OkButton) return KeyAction::PressFocused;
        return KeyAction::Nothing;
    case Key::Escape: return KeyAction::Nothing;
    default: return KeyAction::Toolkit;
    }
}

std::optional<std::size_t> FirstFocus(const WindowDescription& window)
{
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const Control& control = window.controls[i];
        if (IsTabStop(control.kind, control.selected == 1, control.hidden, true)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> DefaultButton(const WindowDescription& window)
{
    for (std::size_t i = 0; i < window.controls.size(); ++i)
        if (window.controls[i].kind == Kind::OkButton) return i;
    return std::nullopt;
}

std::optional<std::size_t> FocusWhenShown(const WindowDescription& window, bool firstShowing)
{
    if (window.kind == WindowKind::ResultSheet) return DefaultButton(window);
    if (firstShowing) return FirstFocus(window);
    return std::nullopt;
}

std::optional<int> ListRowAfterKey(Keystroke stroke, int row, int count)
{
    if (!stroke.Plain() || count <= 0) return std::nullopt;
    int to = row;
    switch (stroke.key) {
    case Key::Up: to = row - 1; break;
    case Key::Down: to = row + 1; break;
    case Key::PageUp: to = row - OpenListRows; break;
    case Key::PageDown: to = row + OpenListRows; break;
    case Key::Home: to = 0; break;
    case Key::End: to = count - 1; break;
    default: return std::nullopt;
    }
    return std::clamp(to, 0, count - 1);
}

std::string Utf8Of(char32_t code)
{
    std::string text;
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
    return text;
}

TypeAhead TypedAhead(const TypeAhead& before, char32_t character, std::int64_t now)
{
    std::string typed = now - before.at <= TypeAheadPause ? before.typed : std::string();
    typed += Utf8Of(character);
    return {typed, now};
}

std::optional<int> ItemStartingWith(std::span<const std::string> items, std::string_view typed)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (std::string_view(items[i]).starts_with(typed)) return int(i);
    return std::nullopt;
}

std::string PastedText(std::string_view text, std::size_t start, std::size_t length, std::string_view pasted)
{
    // Positions count characters; the texts are UTF-8.
    const auto offset = [text](std::size_t characters) {
        std::size_t at = 0;
        while (at < text.size() && characters > 0) {
            ++at;
            while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
            --characters;
        }
        return at;
    };
    const std::size_t from = offset(start);
    const std::size_t to = offset(start + length);
    return std::string(text.substr(0, from)) + std::string(pasted) + std::string(text.substr(to));
}

Rect LabelBox(const Control& label, Size text)
{
    const Rect& box = label.box;
    if (box.SizedToText()) return {box.left - 1, box.top, text.width + 2, text.height};
    if (label.growsLeft && text.width + 2 > box.width) {
        const int right = box.left + box.width;
        return {right - (text.width + 2), box.top, text.width + 2, box.height};
    }
    return box;
}

Point PlacedTopLeft(Size screen, Rect workArea, Size outer)
{
    Point at = CentredTopLeft(screen, outer);
    // Along each side, a window that fits the work area is moved the least that keeps it
    // inside; one wider keeps its centred place, and one taller shows its title bar.
    if (outer.width <= workArea.width)
        at.x = std::clamp(at.x, workArea.left, workArea.left + workArea.width - outer.width);
    if (outer.height <= workArea.height)
        at.y = std::clamp(at.y, workArea.top, workArea.top + workArea.height - outer.height);
    else
        at.y = workArea.top;
    return at;
}

ClientFit FitOnWorkArea(Size client, Size frame, Rect workArea, int scrollBarWidth)
{
    if (client.height + frame.height <= workArea.height) return {false, client};
    // The frame keeps its place: its title bar at the work area's top, its bottom edge at the
    // work area's bottom. A work area too low for the frame itself still shows a row.
    const int shown = std::max(1, workArea.height - frame.height);
    return {true, {client.width + scrollBarWidth, shown}};
}

OpenListPlace PlaceOpenList(Rect field, int items, int rowHeight, Rect visible, int border)
{
    const int wanted = std::clamp(items, 1, OpenListRows);
    const int top = visible.top, bottom = visible.top + visible.height;
    const int fieldBottom = field.top + field.height;
    const auto rowsIn = [&](int room) { return std::clamp((room - border) / rowHeight, 0, wanted); };
    const int below = rowsIn(bottom - fieldBottom), above = rowsIn(field.top - top);
    bool up = false;
    int rows = wanted;
    if (below < wanted) {
        up = above == wanted || above > below;
        rows = std::max(1, up ? above : below);
    }
    const int height = rows * rowHeight + border;
    // A list that cannot show a row beside its field still stands inside what is visible.
    const int at = up ? std::max(top, field.top - height) : std::min(fieldBottom, bottom - height);
    const int right = visible.left + visible.width - field.width;
    const int left = right < visible.left ? field.left : std::clamp(field.left, visible.left, right);
    return {{left, at, field.width, height}, rows, up};
}

std::span<const SheetCommand> SheetCommands()
{
    static constexpr SheetCommand commands[] = {
        {KeyAction::CopySheet, Texts::CopySheet, "Ctrl+C"},
        {KeyAction::PrintSheet, Texts::PrintSheet, "Ctrl+P"},
    };
    return commands;
}

bool PutOnClipboard(const std::function<bool()>& put, const std::function<void(int milliseconds)>& pause)
{
    for (int tries = 1;; ++tries) {
        if (put()) return true;
        if (tries == ClipboardTries) return false;
        pause(ClipboardPause);
    }
}

std::string_view FamilyOf(Typeface face)
{
    switch (face) {
    case Typeface::Mitra: return "B Mitra";
    case Typeface::Morvarid: return "B Morvarid";
    case Typeface::ComicSans: return "Comic Sans MS";
    case Typeface::Arial: return "Arial";
    case Typeface::SansSerif: return "MS Sans Serif";
    }
    return "MS Sans Serif";
}

std::optional<Rgb> RgbOf(Colour colour)
{
    switch (colour) {
    case Colour::Black: return Rgb{0x00, 0x00, 0x00};
    case Colour::Red: return Rgb{0xFF, 0x00, 0x00};
    case Colour::Maroon: return Rgb{0x80, 0x00, 0x00};
    case Colour::White: return Rgb{0xFF, 0xFF, 0xFF};
    case Colour::WindowText: break;
    }
    return std::nullopt;
}

std::array<Stroke, 18> FlakeStrokes(double radius)
{
    const double r = radius;
    // One arm pointing up: the line out to the radius and the two barbs from its middle.
    const Stroke arm[3] = {{0, 0, 0, -r}, {0, -r / 2, -r / 4, -r * 3 / 4}, {0, -r / 2, r / 4, -r * 3 / 4}};
    std::array<Stroke, 18> strokes{};
    for (int turn = 0; turn < 6; ++turn) {
        const double angle = turn * std::acos(-1.0) / 3;
        const double c = std::cos(angle), s = std::sin(angle);
        for (int i = 0; i < 3; ++i) {
            const Stroke& a = arm[i];
            strokes[std::size_t(turn * 3 + i)] = {a.x0 * c - a.y0 * s, a.x0 * s + a.y0 * c, a.x1 * c - a.y1 * s,
                                                  a.x1 * s + a.y1 * c};
        }
    }
    return strokes;
}

}  // namespace Shell
