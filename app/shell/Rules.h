// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules every window follows, whatever face draws it, decided once: what a key does, which
// control takes the focus, when a list's choice is a change, how far typing goes in a field,
// how a label is sized, how small a text too wide for its box is drawn, where a window goes on
// the screen, what a result sheet's menu holds, and the look's data (typeface families,
// colours, the banner). A face asks these and does only what its toolkit alone can: draw,
// measure, deliver events.

#include "Description.h"
#include "View.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Shell {

// ---- Keys -------------------------------------------------------------------------------

// clang-format off
enum class Key : std::uint8_t {
    Enter, Escape, Space, Tab, Backspace, Up, Down, Left, Right, C, P, V, A, Home, End, PageUp, PageDown, Other
};
// clang-format on

/// A key as pressed, with the modifiers held.
struct Keystroke {
    Key key = Key::Other;
    bool control = false;
    bool alt = false;
    bool shift = false;
    constexpr bool Plain() const { return !control && !alt && !shift; }
};

/// What a key does in a window.
enum class KeyAction : std::uint8_t {
    Toolkit,       // what the toolkit does with it: Tab, the arrows, typing, Space on a button
    Nothing,       // the key is taken and does nothing
    PressFocused,  // the focused button is pressed
    PressDefault,  // the window's default (OK-kind) button is pressed
    ChooseItem,    // an open list takes its highlighted item, the user's choice, and closes
    KeepItem,      // an open list closes and keeps the item it had
    CopySheet,     // a result sheet is copied as text
    PrintSheet,    // a result sheet's report is printed
    SelectAll,     // the focused field's whole text is selected
};

/// Where a key is pressed: the window's kind, the kind of the control holding the focus (none
/// where no control holds it) and whether that control is a list standing open.
struct KeyPlace {
    WindowKind window;
    std::optional<Kind> focused;
    bool listOpen = false;
};

/// Enter presses a dialog's default button, and the focused button of an input window; Escape
/// closes nothing, since a sheet closes only by its button and the start dialog would leave
/// the program running unseen; an open list takes both itself. Ctrl+C and Ctrl+P copy and print
/// a result sheet; Ctrl+A selects a field's whole text, which the digit filter would drop.
KeyAction WhatKeyDoes(Keystroke stroke, KeyPlace place);

/// Whether a key closes a message box, as its OK button would: Enter and Escape.
constexpr bool ClosesMessageBox(Keystroke stroke)
{
    return stroke.Plain() && (stroke.key == Key::Enter || stroke.key == Key::Escape);
}

// ---- Focus ------------------------------------------------------------------------------

/// Whether Tab stops at a control: it takes the focus, is shown and enabled and, of the option
/// group, is the selected option (the arrows move between the options).
constexpr bool IsTabStop(Kind kind, bool selected, bool hidden, bool enabled)
{
    return TakesFocus(kind) && !hidden && enabled && (kind != Kind::Option || selected);
}

/// The control that holds the focus when the window first opens: the first tab stop of the
/// description.
std::optional<std::size_t> FirstFocus(const WindowDescription& window);

/// The window's default button, the OK-kind one, where it has one.
std::optional<std::size_t> DefaultButton(const WindowDescription& window);

/// The control that takes the focus each time the window is shown: a result sheet's default
/// button at every showing; for the others the first tab stop at their first showing and, after
/// that, the control that held the focus when the window was left (none here).
std::optional<std::size_t> FocusWhenShown(const WindowDescription& window, bool firstShowing);

// ---- Lists ------------------------------------------------------------------------------

/// A list's rows, open or closed, are this many pixels high; an open list shows at most
/// OpenListRows of them and a scroll bar where it holds more.
inline constexpr int ListRowHeight = 32;
inline constexpr int OpenListRows = 10;
constexpr bool ListShowsScrollBar(int items) { return items > OpenListRows; }

/// Whether a list's new position is a change for the window's handler: only the user's choice
/// of another item than the list had, once the list is closed. Moving through an open list,
/// choosing the item already chosen, and the program's own choices are none.
constexpr bool IsUserChange(int had, int now, bool listOpen, bool byProgram)
{
    return !byProgram && !listOpen && had != now;
}

// ---- Lists: keys and typing -----------------------------------------------------------
// As a drop-down list of Windows takes them, open or closed: the rows a key moves the list to,
// and the item that typing seeks. Closed, the list's item follows (a change as IsUserChange
// says); open, its highlight does, and Enter chooses.

/// The row a key moves a list of `count` items to from `row`: Up and Down one row, PageUp and
/// PageDown the OpenListRows of the open list, Home and End the first and the last, never past
/// the ends; none for any other key or with a modifier held.
std::optional<int> ListRowAfterKey(Keystroke stroke, int row, int count);

/// Characters typed on a list within this many milliseconds of each other are one search:
/// "5" then "0" seeks "50"; after a longer pause a character starts a new search.
inline constexpr int TypeAheadPause = 1000;

/// What a list seeks: the characters typed so far (UTF-8), and when the last one came.
struct TypeAhead {
    std::string typed;
    std::int64_t at = 0;  // milliseconds, on the face's clock
};

/// Whether a character typed on a list seeks an item: letters, digits and signs do; blanks and
/// control characters do not.
constexpr bool SeeksItem(char32_t character) { return character > U' ' && character != 0x7F; }

/// A character as UTF-8, the encoding of every text the windows hold.
std::string Utf8Of(char32_t code);

/// The search after `character` was typed at `now`: the characters typed before with it, or it
/// alone where more than TypeAheadPause passed since the last one.
TypeAhead TypedAhead(const TypeAhead& before, char32_t character, std::int64_t now);

/// The first item that starts with `typed`, none where no item does (the list stays).
std::optional<int> ItemStartingWith(std::span<const std::string> items, std::string_view typed);

// ---- Focus in number fields ---------------------------------------------------------------

/// What a press of the pointer (a click or a tap) does to a number field: one that takes the
/// focus by it shows its whole text selected, as it does whichever way the focus comes (Tab,
/// Shift+Tab, the program when a window shows or a box closes), so that what is typed replaces
/// the text, as an address bar does; one that already held the focus takes the caret where the
/// pointer pressed.
enum class FieldPress : std::uint8_t { SelectWhole, PlaceCaret };
constexpr FieldPress WhatPressDoes(bool heldFocus)
{
    return heldFocus ? FieldPress::PlaceCaret : FieldPress::SelectWhole;
}

// ---- Typing -----------------------------------------------------------------------------

/// The typing limit of a field once the program wrote a text into it, or the user pasted one:
/// the text stays whole, and typing never makes it longer than the longer of the two.
constexpr int LimitAfterWriting(int maxLength, int length) { return length > maxLength ? length : maxLength; }

/// The typing limit after the user shortened the text: it follows the text down to the field's
/// own limit, so that typing never makes a written text longer than it is.
constexpr int LimitAfterEditing(int maxLength, int limit, int length)
{
    const int followed = LimitAfterWriting(maxLength, length);
    return followed < limit ? followed : limit;
}

/// What a paste leaves in a field: the pasted text in place of the selection (from `start`,
/// `length` characters), taken whole whatever the typing limit, so that nothing pasted is lost
/// without a word; the run judges it as it judges any text. Positions count characters.
std::string PastedText(std::string_view text, std::size_t start, std::size_t length, std::string_view pasted);

// ---- Labels and texts -------------------------------------------------------------------

/// The box a label takes for a text of `text` size: its given box; a label sized to its text
/// takes the text's size from the given corner, a pixel wider on either side for the ink of
/// letters that reach past their advance (a bold dal at the end of a Persian word); a note that
/// grows left widens its box to the left as far as its text needs.
Rect LabelBox(const Control& label, Size text);

/// Whether a label's box depends on its text (sized to it, or a note that grows left): only
/// then does a face measure the text, which costs a shaping of every Persian word.
constexpr bool LabelBoxFollowsText(const Control& label) { return label.box.SizedToText() || label.growsLeft; }

/// The smallest character height a text is drawn at: a text too wide for its box is drawn
/// smaller, a pixel at a time, down to this, never cut (a number cut short reads as another).
inline constexpr int SmallestTextHeight = 8;

/// The character height a text is drawn at in `room` pixels: `given`, or smaller while
/// `widthAt` of the height is wider than the room, down to SmallestTextHeight.
template <class WidthAt>
int FittingHeight(int given, int room, WidthAt widthAt)
{
    int height = given;
    while (height > SmallestTextHeight && widthAt(height) > room) --height;
    return height;
}

/// A message box's lines are laid out each on its own, read left to right: the texts were
/// composed so, and their leading blanks and full stops fall where they were meant to only so.
inline constexpr Reading MessageLineReading = Reading::LeftToRight;

// ---- Placement --------------------------------------------------------------------------

/// Top-left corner that centres a window of `outer` size (frame included) on a screen of
/// `screen` size; halves truncate toward zero, so a window 3 pixels wider goes to -1.
constexpr Point CentredTopLeft(Size screen, Size outer)
{
    return {(screen.width - outer.width) / 2, (screen.height - outer.height) / 2};
}

/// Where a window of `outer` size goes when shown: centred on the full screen (halves
/// truncated toward zero); then, only where that would leave the work area (the screen less its
/// task bars and panels), moved the least that keeps its frame inside, and, where it is taller
/// than the work area, its title bar at the work area's top. A window that fits stays centred.
Point PlacedTopLeft(Size screen, Rect workArea, Size outer);

// ---- Whole on the screen ----------------------------------------------------------------

/// How a window stands on a work area: whole, as its description gives it, or, where it is
/// taller than the work area, as tall as the work area (its size stays fixed) with its client
/// area scrolling under a vertical scroll bar beside it, so that every control can be reached.
struct ClientFit {
    bool scrolls = false;
    Size client;  // the client area the window shows: its whole one, or the part that fits
    friend bool operator==(const ClientFit&, const ClientFit&) = default;
};

/// The fit of a window whose whole client area is `client` and whose frame and title bar take
/// `frame` more (the outer size less the client area): unchanged where its outer size is no
/// taller than the work area; else its outer height becomes the work area's, and its client
/// area is that less the frame, widened by the scroll bar (`scrollBarWidth`) so that nothing
/// stands under the bar. Sizes are the screen's pixels.
ClientFit FitOnWorkArea(Size client, Size frame, Rect workArea, int scrollBarWidth);

/// Where a list opens: its box on the screen, how many rows it shows and whether it stands
/// above its field.
struct OpenListPlace {
    Rect box;
    int rows = 0;
    bool above = false;
    friend bool operator==(const OpenListPlace&, const OpenListPlace&) = default;
};

/// Where a list of `items` rows `rowHeight` high opens for a field standing at `field`, inside
/// `visible` (the work area, or the part of the page that is on the screen), with `border`
/// pixels of frame above and below its rows together: below the field where its rows fit
/// (at most OpenListRows), else above where they fit, else on the side that shows the most
/// rows (below where both show as many), never fewer than one; always inside `visible`, as
/// wide as the field and under it, moved aside only as far as keeps it inside.
OpenListPlace PlaceOpenList(Rect field, int items, int rowHeight, Rect visible, int border = 0);

// ---- Result sheets ----------------------------------------------------------------------

/// A result sheet's commands, on their keys and in its context menu, in this order.
struct SheetCommand {
    KeyAction action;
    std::string_view text;      // in the program's language
    std::string_view shortcut;  // the key, as a menu writes it
};
std::span<const SheetCommand> SheetCommands();

/// A copy waits a moment for a clipboard that another program holds: it is tried this many
/// times, this many milliseconds apart, before the user is told that it was not done.
inline constexpr int ClipboardTries = 10;
inline constexpr int ClipboardPause = 50;

/// Puts a copy on the clipboard: `put` tries once and says whether the clipboard took it, and
/// is tried again after `pause` (given ClipboardPause) while the clipboard refuses, at most
/// ClipboardTries times. Whether the clipboard took it.
bool PutOnClipboard(const std::function<bool()>& put, const std::function<void(int milliseconds)>& pause);

// ---- The look ---------------------------------------------------------------------------

/// The family of one of the program's typefaces, as the windows were drawn with it.
std::string_view FamilyOf(Typeface face);

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

/// A colour of the descriptions; none for the window-text colour, which is the system's.
std::optional<Rgb> RgbOf(Colour colour);

/// The banner across an input window: a sky from dark blue at the top to light blue at the
/// bottom, six six-armed snowflakes in white two thirds opaque, strokes 2 pixels wide, and the
/// window's caption in the middle (its type is the Banner role's).
inline constexpr Rgb BannerSkyTop{0x0B, 0x3D, 0x6B};
inline constexpr Rgb BannerSkyBottom{0x6F, 0xB8, 0xE6};
inline constexpr int FlakeOpacity = 170;  // of 255
inline constexpr int FlakeStroke = 2;

struct Flake {
    int x, y, radius;  // its centre in the banner, pixels at 96 per inch
};
inline constexpr std::array<Flake, 6> BannerFlakes{
    {{70, 45, 22}, {160, 105, 14}, {260, 40, 10}, {700, 100, 16}, {800, 42, 24}, {870, 110, 12}}};

/// One stroke of a flake, from its centre: pixels, y pointing down.
struct Stroke {
    double x0, y0, x1, y1;
};

/// A flake's 18 strokes: six arms, each a line from the centre out to the radius with two
/// barbs from its middle, the arms a sixth of a turn apart, the first pointing up.
std::array<Stroke, 18> FlakeStrokes(double radius);

}  // namespace Shell
