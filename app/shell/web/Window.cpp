// SPDX-License-Identifier: GPL-3.0-or-later
#include "Window.h"

#include "Heard.h"
#include "ShellTexts.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace WebFace {

namespace {

// ---- The page's half of the face (face/), as the window calls it --------------------------

EM_JS(void, JsMakeWindow,
      (int window, const char* name, const char* kind, const char* caption, int width, int height, const char* border,
       const char* buttons),
      {
          WebFace.makeWindow(window, UTF8ToString(name), UTF8ToString(kind), UTF8ToString(caption), width, height,
                             UTF8ToString(border), UTF8ToString(buttons));
      });
EM_JS(void, JsMakeControl,
      (int window, int control, const char* kind, const char* name, int left, int top, int width, int height,
       const char* font, const char* colour, const char* text, const char* align, const char* reading, int hidden,
       int isDefault),
      {
          WebFace.makeControl(window, control, {
              kind : UTF8ToString(kind),
              name : UTF8ToString(name),
              left,
              top,
              width,
              height,
              font : UTF8ToString(font),
              colour : UTF8ToString(colour),
              text : UTF8ToString(text),
              align : UTF8ToString(align),
              reading : UTF8ToString(reading),
              hidden : !!hidden,
              isDefault : !!isDefault
          });
      });
EM_JS(void, JsBanner,
      (int window, int control, const char* skyTop, const char* skyBottom, double opacity, int stroke,
       const double* lines, int count),
      {
          WebFace.drawBanner(window, control, UTF8ToString(skyTop), UTF8ToString(skyBottom), opacity, stroke,
                             HEAPF64.subarray(lines >> 3, (lines >> 3) + 4 * count));
      });
EM_JS(void, JsInput, (int window, int control, int caption, int unit),
      { WebFace.addInput(window, control, caption, unit); });
EM_JS(void, JsRow, (int window, int caption, int value), { WebFace.addRow(window, caption, value); });
EM_JS(void, JsNote, (int window, int control), { WebFace.addNote(window, control); });
EM_JS(void, JsNameControl, (int window, int control, const char* name),
      { WebFace.nameControl(window, control, UTF8ToString(name)); });

EM_JS(char*, JsText, (int window, int control), { return allocateUTF8(WebFace.text(window, control)); });
EM_JS(void, JsSetText, (int window, int control, const char* text),
      { WebFace.setText(window, control, UTF8ToString(text)); });
EM_JS(int, JsSelection, (int window, int control), { return WebFace.selection(window, control); });
EM_JS(void, JsSetSelection, (int window, int control, int position),
      { WebFace.setSelection(window, control, position); });
EM_JS(void, JsClearItems, (int window, int control), { WebFace.clearItems(window, control); });
EM_JS(void, JsAddItem, (int window, int control, const char* text, const char* shown),
      { WebFace.addItem(window, control, UTF8ToString(text), UTF8ToString(shown)); });
EM_JS(void, JsSetEnabled, (int window, int control, int enabled), { WebFace.setEnabled(window, control, !!enabled); });
EM_JS(void, JsSetHidden, (int window, int control, int hidden), { WebFace.setHidden(window, control, !!hidden); });
EM_JS(void, JsPlace, (int window, int control, int left, int top, int width, int height),
      { WebFace.place(window, control, left, top, width, height); });
EM_JS(void, JsTextSize, (int window, int control, double* size), {
    const[width, height] = WebFace.textSize(window, control);
    HEAPF64[size >> 3] = width;
    HEAPF64[(size >> 3) + 1] = height;
});
EM_JS(int, JsTextRoom, (int window, int control), { return WebFace.textRoom(window, control); });
EM_JS(double, JsTextWidth, (int window, int control, int height),
      { return WebFace.textWidth(window, control, height); });
EM_JS(void, JsSetTextHeight, (int window, int control, int height),
      { WebFace.setTextHeight(window, control, height); });
EM_JS(void, JsSetCaret, (int window, int control, int position), { WebFace.setCaret(window, control, position); });

EM_JS(void, JsShow, (int window, int modal), { WebFace.show(window, !!modal); });
EM_JS(void, JsHide, (int window), { WebFace.hide(window); });
EM_JS(void, JsFocus, (int window, int control), { WebFace.focusWhenShown(window, control); });
EM_ASYNC_JS(void, JsUntilClosed, (int window), { await WebFace.closing(window); });
EM_JS(int, JsPageWidth, (), { return WebFace.pageSize()[0]; });
EM_JS(int, JsPageHeight, (), { return WebFace.pageSize()[1]; });
EM_JS(int, JsOuterWidth, (int window), { return WebFace.outerSize(window)[0]; });
EM_JS(int, JsOuterHeight, (int window), { return WebFace.outerSize(window)[1]; });
EM_JS(void, JsMoveTo, (int window, int left, int top), { WebFace.moveTo(window, left, top); });

EM_JS(void, JsShowBox,
      (const char* kind, const char* caption, const char* lines, const char* font, const char* reading), {
          WebFace.showBox(UTF8ToString(kind), UTF8ToString(caption), UTF8ToString(lines).split("\n"),
                          UTF8ToString(font), UTF8ToString(reading));
      });
EM_ASYNC_JS(void, JsUntilBoxClosed, (), { await WebFace.boxClosing(); });
EM_JS(char*, JsDecimalSeparator, (), { return allocateUTF8(WebFace.decimalSeparator()); });
EM_JS(void, JsQuit, (const char* ended, const char* again),
      { WebFace.quit(UTF8ToString(ended), UTF8ToString(again)); });
EM_JS(void, JsAnnounce, (const char* text), { WebFace.announce(UTF8ToString(text)); });
EM_JS(void, JsAfterFirstPaint, (int window, int token), { WebFace.afterFirstPaint(window, token); });

// ---- The windows of the page ---------------------------------------------------------------

std::vector<Window*>& Windows()
{
    static std::vector<Window*> windows;
    return windows;
}

// Whether a handler waits for a sheet or a box to close. A page has one stack for its waiting
// handlers, so a second wait meanwhile cannot be: a box shown by a sheet's own handler while
// the sheet waits stands open, and that handler goes on at once.
int& Waiting()
{
    static int waiting = 0;
    return waiting;
}

std::string Taken(char* text)
{
    std::string taken(text ? text : "");
    std::free(text);
    return taken;
}

int Characters(std::string_view text)
{
    int count = 0;
    for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

const char* KindName(Shell::Kind kind)
{
    switch (kind) {
    case Shell::Kind::Label: return "label";
    case Shell::Kind::Edit: return "edit";
    case Shell::Kind::List: return "list";
    case Shell::Kind::Option: return "option";
    case Shell::Kind::Button: return "button";
    case Shell::Kind::OkButton: return "ok";
    case Shell::Kind::Banner: return "banner";
    case Shell::Kind::Rule: return "rule";
    }
    return "label";
}

const char* WindowKindName(Shell::WindowKind kind)
{
    switch (kind) {
    case Shell::WindowKind::MainDialog: return "main";
    case Shell::WindowKind::InputWindow: return "input";
    case Shell::WindowKind::ResultSheet: return "sheet";
    }
    return "main";
}

// A label whose text is drawn smaller where its box is too narrow for it: one with a box of its
// own that does not grow.
bool FitsItsBox(const Shell::Control& control)
{
    return control.kind == Shell::Kind::Label && !control.box.SizedToText() && !control.growsLeft;
}

std::string CssColour(Shell::Rgb rgb, double opacity = 1)
{
    return "rgb(" + std::to_string(rgb.red) + " " + std::to_string(rgb.green) + " " + std::to_string(rgb.blue) + " / " +
           std::to_string(opacity) + ")";
}

// The face a text is drawn in: the program's own where the machine has it, else the one that
// stands in for it, named, since browsers differ in the stand-ins they ask the system for
// (Firefox and WebKitGTK take Comic Neue for Comic Sans MS, Chromium does not). The Persian
// faces' stand-in is built into the page.
std::string CssFont(const Shell::Type& type, int pixelHeight)
{
    const char* standIn = "sans-serif";
    if (type.face == Shell::Typeface::Mitra || type.face == Shell::Typeface::Morvarid) standIn = "Nazli, sans-serif";
    if (type.face == Shell::Typeface::ComicSans) standIn = "\"Comic Neue\", sans-serif";
    std::string font;
    if (type.style == Shell::FontStyle::Bold) font += "bold ";
    if (type.style == Shell::FontStyle::Italic) font += "italic ";
    return font + std::to_string(pixelHeight) + "px \"" + std::string(Shell::FamilyOf(type.face)) + "\", " + standIn;
}

}  // namespace

Window::Window(int id, const Shell::WindowDescription& description)
    : id_(id),
      description_(description),
      texts_(description.controls.size()),
      hidden_(description.controls.size()),
      enabled_(description.controls.size(), true),
      limits_(description.controls.size()),
      kept_(description.controls.size())
{
    Build();
}

Window::~Window() = default;

void Window::Build()
{
    const char* border = description_.border == Shell::Border::Dialog ? "dialog" : "single";
    const char* buttons = description_.buttons == Shell::TitleButtons::MinimizeAndClose ? "minimize-close" : "close";
    const std::string name(description_.name), caption(description_.caption);
    JsMakeWindow(id_, name.c_str(), WindowKindName(description_.kind), caption.c_str(), description_.client.width,
                 description_.client.height, border, buttons);
    const std::optional<std::size_t> defaultButton = Shell::DefaultButton(description_);
    for (std::size_t i = 0; i < description_.controls.size(); ++i) {
        const Shell::Control& control = description_.controls[i];
        texts_[i] = control.text;
        hidden_[i] = control.hidden;
        limits_[i] = control.maxLength;
        const Shell::Type type = Shell::TypeOf(control.role);
        const std::optional<Shell::Rgb> rgb = Shell::RgbOf(type.colour);
        const std::string controlName(control.name), text = Shell::ShownText(control.text);
        JsMakeControl(id_, int(i), KindName(control.kind), controlName.c_str(), control.box.left, control.box.top,
                      control.box.width, control.box.height, CssFont(type, type.pixelHeight).c_str(),
                      rgb ? CssColour(*rgb).c_str() : "", text.c_str(),
                      control.align == Shell::Align::Centred ? "centre" : "right",
                      control.reading == Shell::Reading::RightToLeft ? "rtl" : "ltr", control.hidden,
                      defaultButton == i);
        if (control.kind == Shell::Kind::List) {
            SetItems(IdAt(i), Shell::ItemTexts(control.items));
            SetSelection(IdAt(i), control.selected);
        }
        if (control.kind == Shell::Kind::Option) SetSelection(IdAt(i), control.selected);
        if (control.kind == Shell::Kind::Banner) {
            std::vector<double> lines;
            for (const Shell::Flake& flake : Shell::BannerFlakes)
                for (const Shell::Stroke& stroke : Shell::FlakeStrokes(flake.radius))
                    lines.insert(lines.end(),
                                 {flake.x + stroke.x0, flake.y + stroke.y0, flake.x + stroke.x1, flake.y + stroke.y1});
            JsBanner(id_, int(i), CssColour(Shell::BannerSkyTop).c_str(), CssColour(Shell::BannerSkyBottom).c_str(),
                     Shell::FlakeOpacity / 255.0, Shell::FlakeStroke, lines.data(), int(lines.size() / 4));
        }
    }
    const auto position = [this](Shell::ControlId control) { return int(Shell::PositionOf(description_, control)); };
    for (const Shell::CaptionedInput& input : description_.inputs)
        JsInput(id_, position(input.control), position(input.caption), input.unit ? position(*input.unit) : -1);
    for (const Shell::SheetRow& row : description_.rows) JsRow(id_, position(row.caption), position(row.value));
    for (Shell::ControlId note : description_.notes) JsNote(id_, position(note));
    SizeLabels();
    NameInputs();
}

void Window::SizeLabels()
{
    for (std::size_t i = 0; i < description_.controls.size(); ++i) {
        const Shell::Control& control = description_.controls[i];
        if (control.kind == Shell::Kind::Edit || control.kind == Shell::Kind::Banner || FitsItsBox(control)) FitText(i);
        if (control.kind == Shell::Kind::Label && Shell::LabelBoxFollowsText(control)) SizeLabel(i);
    }
}

void Window::SizeLabel(std::size_t position)
{
    double size[2] = {};
    JsTextSize(id_, int(position), size);
    const Shell::Size text{int(std::ceil(size[0])), int(std::ceil(size[1]))};
    const Shell::Rect box = Shell::LabelBox(description_.controls[position], text);
    JsPlace(id_, int(position), box.left, box.top, box.width, box.height);
}

void Window::NameInputs()
{
    // Each input, and each sheet row's value, which says its caption too, named as the shell
    // says a screen reader hears it.
    const auto name = [this](Shell::ControlId control) {
        JsNameControl(id_, int(Shell::PositionOf(description_, control)),
                      Shell::HeardOf(description_, *this, control).name.c_str());
    };
    for (const Shell::CaptionedInput& input : description_.inputs) name(input.control);
    for (const Shell::SheetRow& row : description_.rows) name(row.value);
}

std::string Window::Text(Shell::ControlId control) const
{
    const std::size_t position = Shell::PositionOf(description_, control);
    if (kept_[position]) return *kept_[position];
    if (control->kind == Shell::Kind::Edit || control->kind == Shell::Kind::List)
        return Taken(JsText(id_, int(position)));
    return texts_[position];
}

int Window::Selection(Shell::ControlId control) const
{
    if (control->kind != Shell::Kind::List && control->kind != Shell::Kind::Option) return -1;
    return JsSelection(id_, int(Shell::PositionOf(description_, control)));
}

bool Window::Hidden(Shell::ControlId control) const { return hidden_[Shell::PositionOf(description_, control)]; }

void Window::SetText(Shell::ControlId control, std::string_view text)
{
    const std::size_t position = Shell::PositionOf(description_, control);
    if (control->kind == Shell::Kind::Edit) {
        WriteField(position, text);
        // The text stays whole; typing never makes it longer than the longer of the two.
        limits_[position] = Shell::LimitAfterWriting(control->maxLength, Characters(text));
        FitText(position);
        return;
    }
    if (control->kind == Shell::Kind::List) return;
    texts_[position] = text;
    JsSetText(id_, int(position), Shell::ShownText(text).c_str());
    if (FitsItsBox(*control)) FitText(position);
    if (control->kind == Shell::Kind::Label && (control->box.SizedToText() || control->growsLeft)) SizeLabel(position);
    if (control->kind == Shell::Kind::Label) NameInputs();
}

void Window::SetItems(Shell::ControlId control, std::span<const std::string> items)
{
    const int position = int(Shell::PositionOf(description_, control));
    JsClearItems(id_, position);
    for (const std::string& item : items) JsAddItem(id_, position, item.c_str(), Shell::ShownText(item).c_str());
}

void Window::SetSelection(Shell::ControlId control, int position)
{
    JsSetSelection(id_, int(Shell::PositionOf(description_, control)), position);
}

void Window::SetEnabled(Shell::ControlId control, bool enabled)
{
    const std::size_t position = Shell::PositionOf(description_, control);
    enabled_[position] = enabled;
    JsSetEnabled(id_, int(position), enabled);
}

void Window::SetHidden(Shell::ControlId control, bool hidden)
{
    const std::size_t position = Shell::PositionOf(description_, control);
    hidden_[position] = hidden;
    JsSetHidden(id_, int(position), hidden);
}

void Window::Focus(bool firstShowing)
{
    const std::optional<std::size_t> focus = Shell::FocusWhenShown(description_, firstShowing);
    JsFocus(id_, focus ? int(*focus) : -1);
}

void Window::ShowWindow()
{
    // Placed before it appears.
    form_->Shown();
    JsShow(id_, false);
    Focus(!std::exchange(everShown_, true));
    JsAnnounce(Shell::ShowingHeard(description_, *this).c_str());
}

void Window::HideWindow() { JsHide(id_); }

void Window::ShowModal()
{
    form_->Shown();
    JsShow(id_, true);
    Focus(!std::exchange(everShown_, true));
    JsAnnounce(Shell::ShowingHeard(description_, *this).c_str());
    if (Waiting() > 0) return;
    ++Waiting();
    JsUntilClosed(id_);
    --Waiting();
}

void Window::CloseModal() { JsHide(id_); }

Shell::Size Window::ScreenSize() const { return {JsPageWidth(), JsPageHeight()}; }

Shell::Rect Window::WorkArea() const { return {0, 0, JsPageWidth(), JsPageHeight()}; }

Shell::Size Window::OuterSize() const { return {JsOuterWidth(id_), JsOuterHeight(id_)}; }

void Window::MoveTo(Shell::Point outerTopLeft) { JsMoveTo(id_, outerTopLeft.x, outerTopLeft.y); }

void Window::ShowMessage(const Shell::Message& message)
{
    std::string lines;
    for (const std::string& line : Shell::MessageLines(message.text)) {
        if (!lines.empty()) lines += '\n';
        lines += line;
    }
    // The lines in the windows' Persian face, at the size of their fields' texts.
    const Shell::Type type{Shell::Typeface::Mitra, 19, Shell::FontStyle::Regular, Shell::Colour::WindowText};
    JsShowBox(message.kind == Shell::MessageKind::Error ? "error" : "information", message.caption.c_str(),
              lines.c_str(), CssFont(type, type.pixelHeight).c_str(),
              Shell::MessageLineReading == Shell::Reading::LeftToRight ? "ltr" : "rtl");
    JsAnnounce(Shell::BoxHeard(message).c_str());
    if (Waiting() > 0) return;
    ++Waiting();
    JsUntilBoxClosed();
    --Waiting();
}

std::string Window::DecimalSeparator() const { return Taken(JsDecimalSeparator()); }

void Window::Quit() { JsQuit(Shell::Texts::ProgramEnded.data(), Shell::Texts::RunAgain.data()); }

bool Window::IsTabStop(std::size_t position) const
{
    const Shell::Control& control = description_.controls[position];
    return Shell::IsTabStop(control.kind, Selection(IdAt(position)) == 1, hidden_[position], enabled_[position]);
}

char32_t Window::Typed(std::size_t position, char32_t key)
{
    form_->Typed(IdAt(position), key);
    return key;
}

void Window::Pasted(std::size_t position, std::size_t start, std::size_t length, std::string_view pasted)
{
    const Shell::Control& control = description_.controls[position];
    const std::string text = Shell::PastedText(Text(IdAt(position)), start, length, pasted);
    WriteField(position, text);
    JsSetCaret(id_, int(position), int(start) + Characters(pasted));
    limits_[position] = Shell::LimitAfterWriting(control.maxLength, Characters(text));
    FitText(position);
}

void Window::WriteField(std::size_t position, std::string_view text)
{
    std::string shown(text);
    std::replace_if(
        shown.begin(), shown.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    kept_[position].reset();
    if (shown != text) kept_[position] = std::string(text);
    JsSetText(id_, int(position), shown.c_str());
}

void Window::Edited(std::size_t position)
{
    kept_[position].reset();
    const Shell::Control& control = description_.controls[position];
    limits_[position] =
        Shell::LimitAfterEditing(control.maxLength, limits_[position], Characters(Text(IdAt(position))));
    FitText(position);
}

void Window::FitText(std::size_t position)
{
    const Shell::Control& control = description_.controls[position];
    const Shell::Type type = Shell::TypeOf(control.role);
    // A label in a box of its own keeps a pixel either side for the ink, as one sized to its
    // text does; a field's and a banner's room is as the page lays them out.
    const bool laidOut = control.kind == Shell::Kind::Edit || control.kind == Shell::Kind::Banner;
    const int room = laidOut ? JsTextRoom(id_, int(position)) : control.box.width - 2;
    const int height = Shell::FittingHeight(
        type.pixelHeight, room, [this, position](int height) { return JsTextWidth(id_, int(position), height); });
    JsSetTextHeight(id_, int(position), height);
}

std::string Window::SheetText() const { return static_cast<const Shell::ResultSheet&>(*form_).SheetText(); }

// ---- The face ------------------------------------------------------------------------------

namespace {

std::map<int, std::function<void()>>& AfterPaint()
{
    static std::map<int, std::function<void()>> waiting;
    return waiting;
}

}  // namespace

Face::Face(std::string_view programTitle) : Shell::Face(programTitle) {}

std::unique_ptr<Shell::View> Face::MakeWindow(const Shell::WindowDescription& window)
{
    auto made = std::make_unique<Window>(int(Windows().size()), window);
    Windows().push_back(made.get());
    return made;
}

void Face::AfterFirstPaint(Shell::View& window, std::function<void()> then)
{
    static int tokens = 0;
    const int token = tokens++;
    AfterPaint()[token] = std::move(then);
    for (std::size_t i = 0; i < Windows().size(); ++i)
        if (Windows()[i] == &window) JsAfterFirstPaint(int(i), token);
}

}  // namespace WebFace

// ---- What the page hands on ----------------------------------------------------------------
// Windows and controls by their numbers: a window's number in the order the face made them, a
// control's its position in the window's description.

namespace {

using WebFace::Window;
using WebFace::Windows;

// The keys the rules know, by the names the page's key events give them, in Shell::Key's order.
constexpr const char* KeyNames[] = {"Enter",     "Escape",    "Space",      "Tab",    "Backspace", "ArrowUp",
                                    "ArrowDown", "ArrowLeft", "ArrowRight", "KeyC",   "KeyP",      "KeyV",
                                    "KeyA",      "Home",      "End",        "PageUp", "PageDown"};
static_assert(std::size(KeyNames) == std::size_t(Shell::Key::Other));

Shell::Keystroke Stroke(int key, int control, int alt, int shift)
{
    const bool known = key >= 0 && key < int(Shell::Key::Other);
    return {known ? Shell::Key(key) : Shell::Key::Other, control != 0, alt != 0, shift != 0};
}

const char* ActionName(Shell::KeyAction action)
{
    switch (action) {
    case Shell::KeyAction::Toolkit: return "toolkit";
    case Shell::KeyAction::Nothing: return "nothing";
    case Shell::KeyAction::PressFocused: return "press-focused";
    case Shell::KeyAction::PressDefault: return "press-default";
    case Shell::KeyAction::ChooseItem: return "choose-item";
    case Shell::KeyAction::KeepItem: return "keep-item";
    case Shell::KeyAction::CopySheet: return "copy-sheet";
    case Shell::KeyAction::PrintSheet: return "print-sheet";
    case Shell::KeyAction::SelectAll: return "select-all";
    }
    return "toolkit";
}

}  // namespace

extern "C" {

/// The names of the keys the rules know, separated by commas, a key's number its place.
EMSCRIPTEN_KEEPALIVE const char* WebKeyNames()
{
    static const std::string names = [] {
        std::string joined;
        for (const char* name : KeyNames) joined += std::string(joined.empty() ? "" : ",") + name;
        return joined;
    }();
    return names.c_str();
}

/// What a key does where it is pressed: "toolkit", "nothing", "press-focused", ...
EMSCRIPTEN_KEEPALIVE const char* WebKeyAction(int window, int key, int control, int alt, int shift, int focused,
                                              int listOpen)
{
    const Shell::WindowDescription& description = Windows()[window]->Description();
    std::optional<Shell::Kind> kind;
    if (focused >= 0) kind = description.controls[std::size_t(focused)].kind;
    return ActionName(Shell::WhatKeyDoes(Stroke(key, control, alt, shift), {description.kind, kind, listOpen != 0}));
}

EMSCRIPTEN_KEEPALIVE int WebClosesBox(int key, int control, int alt, int shift)
{
    return Shell::ClosesMessageBox(Stroke(key, control, alt, shift));
}

EMSCRIPTEN_KEEPALIVE int WebIsTabStop(int window, int control)
{
    return Windows()[window]->IsTabStop(std::size_t(control));
}

/// The window's default button, or -1.
EMSCRIPTEN_KEEPALIVE int WebDefaultButton(int window)
{
    const std::optional<std::size_t> button = Shell::DefaultButton(Windows()[window]->Description());
    return button ? int(*button) : -1;
}

EMSCRIPTEN_KEEPALIVE int WebListRowHeight() { return Shell::ListRowHeight; }

/// Where a list of `items` rows opens for a field at the given box, inside the part of the page
/// on the screen, as the rules place it: "left,top,width,height,rows,above" in the page's pixels.
EMSCRIPTEN_KEEPALIVE const char* WebPlaceOpenList(int left, int top, int width, int height, int items, int rowHeight,
                                                  int visibleLeft, int visibleTop, int visibleWidth, int visibleHeight,
                                                  int border)
{
    const Shell::OpenListPlace place = Shell::PlaceOpenList(
        {left, top, width, height}, items, rowHeight, {visibleLeft, visibleTop, visibleWidth, visibleHeight}, border);
    static std::string placed;
    placed = std::to_string(place.box.left) + ',' + std::to_string(place.box.top) + ',' +
             std::to_string(place.box.width) + ',' + std::to_string(place.box.height) + ',' +
             std::to_string(place.rows) + ',' + (place.above ? '1' : '0');
    return placed.c_str();
}

/// The row a key moves a list of `count` items to from `row`, or -1 where it moves none.
EMSCRIPTEN_KEEPALIVE int WebListRowAfterKey(int key, int control, int alt, int shift, int row, int count)
{
    return Shell::ListRowAfterKey(Stroke(key, control, alt, shift), row, count).value_or(-1);
}

/// Typing on a list: which characters seek an item, how long a pause starts a new search, and
/// the first of the items (one a line) that starts with the characters typed, or -1.
EMSCRIPTEN_KEEPALIVE int WebSeeksItem(int character) { return Shell::SeeksItem(char32_t(character)); }
EMSCRIPTEN_KEEPALIVE int WebTypeAheadPause() { return Shell::TypeAheadPause; }
EMSCRIPTEN_KEEPALIVE int WebItemStartingWith(const char* lines, const char* typed)
{
    std::vector<std::string> items;
    for (std::string_view rest = lines; !rest.empty();) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        items.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return Shell::ItemStartingWith(items, typed).value_or(-1);
}

/// What a press of the pointer does to a number field: "select-whole" where the field takes
/// the focus by it, "place-caret" where it held it.
EMSCRIPTEN_KEEPALIVE const char* WebFieldPress(int heldFocus)
{
    return Shell::WhatPressDoes(heldFocus != 0) == Shell::FieldPress::SelectWhole ? "select-whole" : "place-caret";
}

EMSCRIPTEN_KEEPALIVE void WebClicked(int window, int control)
{
    Window& shown = *Windows()[window];
    shown.Handlers().Clicked(Shell::ControlId::At(shown.Description().controls, std::size_t(control)));
}

/// A list's position changed from `had`: its new item is announced, and the window's handler
/// hears of it where the rules call it the user's change.
EMSCRIPTEN_KEEPALIVE void WebPicked(int window, int control, int had, int listOpen)
{
    Window& shown = *Windows()[window];
    const Shell::ControlId list = Shell::ControlId::At(shown.Description().controls, std::size_t(control));
    if (shown.Selection(list) != had) WebFace::JsAnnounce(Shell::ListChangeHeard(shown, list).c_str());
    if (Shell::IsUserChange(had, shown.Selection(list), listOpen != 0, false)) shown.Handlers().Changed(list);
}

EMSCRIPTEN_KEEPALIVE int WebTyped(int window, int control, int key)
{
    return int(Windows()[window]->Typed(std::size_t(control), char32_t(key)));
}

EMSCRIPTEN_KEEPALIVE int WebTypingLimit(int window, int control)
{
    return Windows()[window]->TypingLimit(std::size_t(control));
}

EMSCRIPTEN_KEEPALIVE void WebPasted(int window, int control, int start, int length, const char* text)
{
    Windows()[window]->Pasted(std::size_t(control), std::size_t(start), std::size_t(length), text);
}

EMSCRIPTEN_KEEPALIVE void WebEdited(int window, int control) { Windows()[window]->Edited(std::size_t(control)); }

EMSCRIPTEN_KEEPALIVE void WebFit(int window, int control) { Windows()[window]->FitText(std::size_t(control)); }

EMSCRIPTEN_KEEPALIVE void WebCloseBox(int window) { Windows()[window]->Handlers().CloseBoxPressed(); }

/// The page changed its size: a window shown is placed again, as when it was shown.
EMSCRIPTEN_KEEPALIVE void WebPlace(int window) { Windows()[window]->Handlers().Shown(); }

/// The page's faces are in, or it changed its zoom: texts are measured again.
EMSCRIPTEN_KEEPALIVE void WebMeasureAgain()
{
    for (Window* window : Windows()) {
        window->SizeLabels();
    }
}

/// A result sheet's commands, one a line: what it does, its text and its key, split by tabs.
EMSCRIPTEN_KEEPALIVE const char* WebSheetCommands()
{
    static const std::string commands = [] {
        std::string lines;
        for (const Shell::SheetCommand& command : Shell::SheetCommands())
            lines += std::string(lines.empty() ? "" : "\n") + ActionName(command.action) + '\t' +
                     std::string(command.text) + '\t' + std::string(command.shortcut);
        return lines;
    }();
    return commands.c_str();
}

/// The text of the command that hands a sheet on through the phone's own sharing.
EMSCRIPTEN_KEEPALIVE const char* WebShareText() { return Shell::Texts::ShareSheet.data(); }

/// The clipboard took no copy of the sheet: the user is told, as on the desktop.
EMSCRIPTEN_KEEPALIVE void WebCopyRefused(int window)
{
    Windows()[window]->ShowMessage(Shell::ErrorBox(Shell::Texts::CopyFailed));
}

EMSCRIPTEN_KEEPALIVE void WebPrintSheet(int window)
{
    WebFace::PrintReport(static_cast<const Shell::ResultSheet&>(Windows()[window]->Handlers()).Report());
}

/// The sheet as text, for a copy; the page frees it.
EMSCRIPTEN_KEEPALIVE char* WebSheetText(int window)
{
    const std::string text = Windows()[window]->SheetText();
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
    return copy;
}

EMSCRIPTEN_KEEPALIVE void WebAfterPaint(int token)
{
    auto& waiting = WebFace::AfterPaint();
    const auto found = waiting.find(token);
    if (found == waiting.end()) return;
    const std::function<void()> then = std::move(found->second);
    waiting.erase(found);
    then();
}

}  // extern "C"
