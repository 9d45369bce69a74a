// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window described once, as constant data that every face builds its window from: the
// window's caption, size, frame and title buttons, and each control with its kind, object
// name, rectangle, text or items, role and limits. Texts are UTF-8; sizes and positions are
// pixels at 96 per inch, from the client area's top-left corner.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace Shell {

// ---- Type -------------------------------------------------------------------------------

enum class Typeface : std::uint8_t { Mitra, Morvarid, ComicSans, Arial, SansSerif };
enum class Colour : std::uint8_t { WindowText, Black, Red, Maroon, White };
enum class FontStyle : std::uint8_t { Regular, Bold, Italic };

/// What a text is drawn with: face, character height in pixels, style and colour.
struct Type {
    Typeface face;
    int pixelHeight;
    FontStyle style;
    Colour colour;
};

/// What a control's text is for; the role picks its type.
enum class Role : std::uint8_t {
    Window,             // every window's base font
    Button,             // push buttons and OK-kind buttons
    Caption,            // input captions and unit labels
    DimensionCaption,   // length, width and height over their fields
    PercentSign,        // the "%" beside the loading percentage
    Field,              // edit boxes and drop-down lists
    SheetCaption,       // a sheet's quantity captions
    CompressorCaption,  // a sheet's compressor captions
    SheetValue,         // a sheet's values
    ModelValue,         // the compressor model, Latin
    Note,               // the refrigerant and temperature notes
    StartLine,          // the start dialog's text lines
    StartOption,        // the start dialog's two options
    Banner,             // the title drawn across a banner
};

constexpr Type TypeOf(Role role)
{
    switch (role) {
    case Role::Window: return {Typeface::SansSerif, 11, FontStyle::Regular, Colour::WindowText};
    case Role::Button: return {Typeface::Mitra, 16, FontStyle::Regular, Colour::WindowText};
    case Role::Caption: return {Typeface::Mitra, 19, FontStyle::Bold, Colour::Red};
    case Role::DimensionCaption: return {Typeface::Mitra, 15, FontStyle::Bold, Colour::Maroon};
    case Role::PercentSign: return {Typeface::Mitra, 35, FontStyle::Bold, Colour::Black};
    case Role::Field: return {Typeface::Morvarid, 19, FontStyle::Regular, Colour::WindowText};
    case Role::SheetCaption: return {Typeface::Morvarid, 19, FontStyle::Regular, Colour::Red};
    case Role::CompressorCaption: return {Typeface::Morvarid, 19, FontStyle::Regular, Colour::Maroon};
    case Role::SheetValue: return {Typeface::Morvarid, 19, FontStyle::Regular, Colour::Black};
    case Role::ModelValue: return {Typeface::ComicSans, 21, FontStyle::Regular, Colour::Black};
    case Role::Note: return {Typeface::Arial, 16, FontStyle::Italic, Colour::Black};
    case Role::StartLine: return {Typeface::Mitra, 21, FontStyle::Regular, Colour::WindowText};
    case Role::StartOption: return {Typeface::Morvarid, 24, FontStyle::Regular, Colour::Red};
    case Role::Banner: return {Typeface::Mitra, 40, FontStyle::Bold, Colour::White};
    }
    return TypeOf(Role::Window);
}

// ---- Controls ---------------------------------------------------------------------------

enum class Kind : std::uint8_t {
    Label,     // static text
    Edit,      // single-line edit box for whole numbers, with the digit filter
    List,      // pick-only drop-down list
    Option,    // option button; a window's options form one group
    Button,    // push button
    OkButton,  // OK-kind button with the stock OK glyph: the window's default button
    Banner,    // the picture across the top of an input window, titled with its caption
    Rule,      // a sunken horizontal line
};

enum class Align : std::uint8_t { Right, Centred };
enum class Reading : std::uint8_t { RightToLeft, LeftToRight };

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;  // 0 with height 0: the label takes the size of its text, from this corner
    int height = 0;
    constexpr bool SizedToText() const { return width == 0 && height == 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

/// A list's items: the texts, or the whole numbers from `from` to `to` in steps of `step`.
struct Items {
    std::span<const std::string_view> texts = {};
    int from = 0;
    int to = 0;
    int step = 0;
    constexpr int Count() const
    {
        if (step == 0) return int(texts.size());
        return (to - from) / step + 1;
    }
};

/// The whole numbers from `from` to `to` as decimal texts, ascending or descending by `step`.
constexpr Items NumberItems(int from, int to, int step = 1) { return {{}, from, to, step}; }

struct Control {
    Kind kind;
    std::string_view name;  // the object name, which the handlers' handles are made from: "Edit1"
    Rect box;
    Role role = Role::Window;
    std::string_view text = {};
    Items items = {};
    int selected = -1;  // a list's item chosen at first; an option selected at first: 1
    int maxLength = 0;  // an edit box's typing limit, in characters
    Align align = Align::Right;
    Reading reading = Reading::RightToLeft;
    bool hidden = false;
    bool growsLeft = false;  // a text longer than the box widens it to the left
};

constexpr Control Label(std::string_view name, std::string_view text, Rect box, Role role, Align align = Align::Right,
                        Reading reading = Reading::RightToLeft)
{
    return {
        .kind = Kind::Label, .name = name, .box = box, .role = role, .text = text, .align = align, .reading = reading};
}

/// A sheet's value: centred, read right to left, empty until a run writes it.
constexpr Control Value(std::string_view name, Rect box, Role role = Role::SheetValue,
                        Reading reading = Reading::RightToLeft)
{
    return Label(name, {}, box, role, Align::Centred, reading);
}

/// A sheet's note: Latin, read left to right at the right edge; a longer note grows to the left.
constexpr Control Note(std::string_view name, Rect box)
{
    Control note = Label(name, {}, box, Role::Note, Align::Right, Reading::LeftToRight);
    note.growsLeft = true;
    return note;
}

constexpr Control Edit(std::string_view name, Rect box, int maxLength)
{
    return {.kind = Kind::Edit, .name = name, .box = box, .role = Role::Field, .maxLength = maxLength};
}

constexpr Control List(std::string_view name, Rect box, Items items, int selected, bool hidden = false)
{
    return {.kind = Kind::List,
            .name = name,
            .box = box,
            .role = Role::Field,
            .items = items,
            .selected = selected,
            .hidden = hidden};
}

constexpr Control Option(std::string_view name, std::string_view text, Rect box, bool selected)
{
    return {.kind = Kind::Option,
            .name = name,
            .box = box,
            .role = Role::StartOption,
            .text = text,
            .selected = selected ? 1 : 0};
}

constexpr Control Button(std::string_view name, std::string_view text, Rect box)
{
    return {.kind = Kind::Button, .name = name, .box = box, .role = Role::Button, .text = text};
}

constexpr Control OkButton(std::string_view name, std::string_view text, Rect box)
{
    return {.kind = Kind::OkButton, .name = name, .box = box, .role = Role::Button, .text = text};
}

constexpr Control Banner(std::string_view name, std::string_view title, Rect box)
{
    return {.kind = Kind::Banner, .name = name, .box = box, .role = Role::Banner, .text = title};
}

constexpr Control Rule(std::string_view name, Rect box) { return {.kind = Kind::Rule, .name = name, .box = box}; }

/// Whether the control takes the focus, and so a place in the tab order.
constexpr bool TakesFocus(Kind kind)
{
    return kind == Kind::Edit || kind == Kind::List || kind == Kind::Option || kind == Kind::Button ||
           kind == Kind::OkButton;
}

// ---- Windows ----------------------------------------------------------------------------

enum class WindowKind : std::uint8_t {
    MainDialog,   // the start dialog: closing it ends the program
    InputWindow,  // a calculator's working window, non-modal
    ResultSheet,  // shown modally by a run; closing only hides it
};
enum class Border : std::uint8_t { Dialog, Single };
enum class TitleButtons : std::uint8_t { Close, MinimizeAndClose };

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

/// One control of one window's table: what the handlers and the window's tables name a control
/// by. The program makes it when it is built, from a name the table must hold (Named); a face
/// makes it from a position in the table it built its window from. Never made from a name
/// while the program runs, so no lookup can miss.
class ControlId {
public:
    /// The control at `position` of the table; the position must be inside it.
    static constexpr ControlId At(std::span<const Control> controls, std::size_t position)
    {
        return ControlId(&controls[position]);
    }
    constexpr const Control& operator*() const { return *control_; }
    constexpr const Control* operator->() const { return control_; }
    friend constexpr bool operator==(ControlId, ControlId) = default;

private:
    constexpr explicit ControlId(const Control* control) : control_(control) {}
    const Control* control_;
};

// Not constexpr, and never defined: a name the table does not hold reaches it while the
// program is built, which stops the build with this name in the compiler's message.
void NoControlOfThatNameInTheTable();

/// The control of that name in a window's table, found when the program is built: a name the
/// table does not hold does not build.
consteval ControlId Named(std::span<const Control> controls, std::string_view name)
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name == name) return ControlId::At(controls, i);
    NoControlOfThatNameInTheTable();
    return ControlId::At(controls, 0);
}

/// An input of an input window with its caption and, where a second label gives it, its unit.
struct CaptionedInput {
    ControlId control;
    ControlId caption;
    std::optional<ControlId> unit = {};
};

/// A row of a result sheet: the caption on the right, the value beside it on the left.
struct SheetRow {
    ControlId caption;
    ControlId value;
};

/// Labels that one sentence is broken over, top to bottom: a screen reader hears them as one
/// text, their texts joined by a blank, where it would pass over a line too short to say.
using Passage = std::span<const ControlId>;

struct WindowDescription {
    std::string_view name;  // "Form2"
    WindowKind kind;
    std::string_view caption;
    Size client;
    Border border;
    TitleButtons buttons;
    std::span<const Control> controls;            // those that take the focus in tab order
    std::span<const CaptionedInput> inputs = {};  // input windows: in the order a copy lists them
    std::span<const SheetRow> rows = {};          // result sheets: from top to bottom
    std::span<const ControlId> notes = {};        // result sheets: the notes below the rows
    std::span<const Passage> passages = {};       // labels heard as one text each
};

}  // namespace Shell
