// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every face follows, without any toolkit: keys, focus, typing limits, pastes,
// a busy clipboard, label boxes, text fitting and where a window goes.

#include "Rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using namespace Shell;

namespace {

constexpr Control SheetControls[] = {
    Label("Label1", "caption", {10, 10, 100, 20}, Role::SheetCaption),
    OkButton("BitBtn1", "back", {10, 40, 100, 40}),
};
constexpr Control StartControls[] = {
    Option("RadioButton1", "one", {10, 10, 100, 20}, false),
    Option("RadioButton2", "two", {10, 40, 100, 20}, true),
    Button("Button1", "go", {10, 70, 100, 40}),
};
constexpr WindowDescription Sheet{"Sheet",        WindowKind::ResultSheet, "",           {200, 100},
                                  Border::Dialog, TitleButtons::Close,     SheetControls};
constexpr WindowDescription Start{"Start",        WindowKind::MainDialog, "",           {200, 120},
                                  Border::Dialog, TitleButtons::Close,    StartControls};

}  // namespace

TEST(WhatKeyDoes, EnterAndEscapeByWindowFocusAndOpenList)
{
    using enum KeyAction;
    const Keystroke enter{Key::Enter}, escape{Key::Escape}, shiftEnter{Key::Enter, false, false, true};
    const Keystroke copy{Key::C, true}, print{Key::P, true}, down{Key::Down};
    struct Case {
        Keystroke stroke;
        KeyPlace place;
        KeyAction action;
    };
    const Case cases[] = {
        {enter, {WindowKind::MainDialog, Kind::Option}, PressDefault},
        {enter, {WindowKind::ResultSheet, std::nullopt}, PressDefault},
        {enter, {WindowKind::InputWindow, Kind::Button}, PressFocused},
        {enter, {WindowKind::InputWindow, Kind::Edit}, Nothing},
        {enter, {WindowKind::InputWindow, Kind::List, true}, ChooseItem},
        {escape, {WindowKind::InputWindow, Kind::List, true}, KeepItem},
        {down, {WindowKind::InputWindow, Kind::List, true}, Toolkit},
        {escape, {WindowKind::MainDialog, Kind::OkButton}, Nothing},
        {escape, {WindowKind::ResultSheet, Kind::OkButton}, Nothing},
        {shiftEnter, {WindowKind::MainDialog, Kind::OkButton}, Toolkit},
        {copy, {WindowKind::ResultSheet, Kind::OkButton}, CopySheet},
        {print, {WindowKind::ResultSheet, Kind::OkButton}, PrintSheet},
        {copy, {WindowKind::InputWindow, Kind::Edit}, Toolkit},
        // Ctrl+A selects a field's text before the digit filter could drop its character.
        {Keystroke{Key::A, true}, {WindowKind::InputWindow, Kind::Edit}, SelectAll},
        {Keystroke{Key::A, true}, {WindowKind::InputWindow, Kind::List}, Toolkit},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WhatKeyDoes(c.stroke, c.place), c.action)
            << int(c.stroke.key) << " in window kind " << int(c.place.window);
    EXPECT_TRUE(ClosesMessageBox(escape));
    EXPECT_TRUE(ClosesMessageBox(enter));
}

TEST(Focus, TheSelectedOptionAloneIsATabStopAndASheetFocusesItsButtonAtEachShowing)
{
    EXPECT_EQ(FirstFocus(Start), 1u);  // the selected option, not the first one
    EXPECT_FALSE(IsTabStop(Kind::Button, false, true, true));
    EXPECT_FALSE(IsTabStop(Kind::Edit, false, false, false));
    EXPECT_EQ(FocusWhenShown(Sheet, false), 1u);
    EXPECT_EQ(FocusWhenShown(Start, false), std::nullopt);
}

TEST(Lists, PagesOfTenRowsTheEndsAndTypingWithinASecond)
{
    // Of the 31 outside temperatures, 20 to 50, from 35 (row 15).
    const Keystroke pageDown{Key::PageDown}, pageUp{Key::PageUp};
    EXPECT_EQ(ListRowAfterKey(pageDown, 15, 31), 25);
    EXPECT_EQ(ListRowAfterKey(pageDown, 25, 31), 30);  // never past the last
    EXPECT_EQ(ListRowAfterKey(pageUp, 5, 31), 0);
    EXPECT_EQ(ListRowAfterKey({Key::End}, 5, 31), 30);
    // The loading percentages, 100 down to 5: "5" seeks 55, "50" within the second 50; a
    // pause starts afresh. The frozen entry temperatures: "-1" seeks -17, the first.
    const std::vector<std::string> loading = {"100", "95", "90", "85", "80", "75", "70", "65", "60", "55", "50", "45"};
    TypeAhead typed = TypedAhead({}, U'5', 10'000);
    EXPECT_EQ(ItemStartingWith(loading, typed.typed), 9);
    typed = TypedAhead(typed, U'0', 10'000 + TypeAheadPause);
    EXPECT_EQ(typed.typed, "50");
    EXPECT_EQ(ItemStartingWith(loading, typed.typed), 10);
    EXPECT_EQ(TypedAhead(typed, U'4', 11'001 + TypeAheadPause).typed, "4");
    EXPECT_EQ(ItemStartingWith(loading, "59"), std::nullopt);
    EXPECT_EQ(ItemStartingWith(std::vector<std::string>{"-17", "-16", "-10", "-9"}, "-1"), 0);
}

TEST(Typing, TheLimitBoundsTypingWhileWrittenAndPastedTextsStayWhole)
{
    EXPECT_EQ(LimitAfterWriting(2, 3), 3);
    EXPECT_EQ(LimitAfterWriting(7, 3), 7);
    // The user deletes from a written "12345" in a 2-character field: the limit follows down.
    EXPECT_EQ(LimitAfterEditing(2, 5, 4), 4);
    EXPECT_EQ(LimitAfterEditing(2, 4, 1), 2);
    EXPECT_EQ(LimitAfterEditing(2, 2, 2), 2);
    // "150" pasted into a 2-character length field stays whole; so does every line of a paste.
    EXPECT_EQ(PastedText("", 0, 0, "150"), "150");
    EXPECT_EQ(PastedText("1234", 1, 2, "\u06F5\u06F6"), "1\u06F5\u06F64");
    EXPECT_EQ(PastedText("\u06F512", 1, 1, "9\r\n0"), "\u06F59\r\n02");
}

// A clipboard busy for less than the wait takes the copy; one that stays busy is given up
// after ten tries, 450 ms of waiting in all, and the caller tells the user.
TEST(PutOnClipboard, TriesAgainForAMomentThenGivesUp)
{
    for (const auto& [busyTries, taken, tries, waited] :
         {std::tuple{0, true, 1, 0}, {9, true, 10, 450}, {10, false, 10, 450}}) {
        int tried = 0;
        int waiting = 0;
        // A copy, since a lambda may not capture a structured binding before clang 16 (the web
        // build's emscripten has clang 14).
        const int busy = busyTries;
        EXPECT_EQ(PutOnClipboard([&] { return ++tried > busy; }, [&](int milliseconds) { waiting += milliseconds; }),
                  taken);
        EXPECT_EQ(tried, tries);
        EXPECT_EQ(waiting, waited);
    }
}

TEST(LabelBox, SizedToTextWithAPixelEachSideAndNotesGrowLeft)
{
    const Control caption = Label("Label1", "x", {100, 50}, Role::Caption);
    EXPECT_EQ(LabelBox(caption, {40, 25}).left, 99);
    EXPECT_EQ(LabelBox(caption, {40, 25}).width, 42);
    const Control note = Note("Label31", {256, 624, 241, 24});
    const Rect grown = LabelBox(note, {300, 20});
    EXPECT_EQ(grown.left + grown.width, 256 + 241);
    EXPECT_EQ(grown.width, 302);
    EXPECT_EQ(LabelBox(note, {100, 20}).left, 256);
}

TEST(FittingHeight, SmallerAPixelAtATimeDownToEight)
{
    // A text 10 px wide per pixel of height in 150 px of room: 15 px fits.
    EXPECT_EQ(FittingHeight(19, 150, [](int height) { return 10 * height; }), 15);
    EXPECT_EQ(FittingHeight(19, 10, [](int height) { return 10 * height; }), SmallestTextHeight);
}

TEST(PlacedTopLeft, CentredOnTheScreenThenInsideTheWorkArea)
{
    struct Case {
        Size screen;
        Rect work;
        Size window;
        Point topLeft;
    };
    const Rect whole{0, 0, 1024, 768};
    const Case cases[] = {
        {{1024, 768}, whole, {926, 432}, {49, 168}},
        {{1024, 768}, whole, {1027, 432}, {-1, 168}},   // 3 px wider: centred, halves truncated
        {{1024, 768}, whole, {1150, 432}, {-63, 168}},  // 126 px wider
        // A task bar of 40 px at the bottom: a window that fits stays centred...
        {{1024, 768}, {0, 0, 1024, 728}, {926, 432}, {49, 168}},
        // ... one that would reach under it moves up the least.
        {{1024, 768}, {0, 0, 1024, 728}, {300, 700}, {362, 28}},
        // Taller than the work area: its title bar at the top. A 684 px sheet at 150 % with its
        // frame on 1920 x 1080 less a 72 px task bar.
        {{1920, 1080}, {0, 0, 1920, 1008}, {778, 1060}, {571, 0}},
        {{1920, 1080}, {0, 40, 1920, 1040}, {778, 1060}, {571, 40}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacedTopLeft(c.screen, c.work, c.window), c.topLeft) << c.window.width << " x " << c.window.height;
}

TEST(FitOnWorkArea, ATallWindowScrollsInTheWorkAreasHeightAndOneThatFitsIsUnchanged)
{
    struct Case {
        Size client, frame;
        Rect work;
        ClientFit fit;
    };
    const Case cases[] = {
        // The cold-room sheet at 150 % (762 x 1026) on 1920 x 1080 less a 60 px task bar: its
        // frame 1020 high, the client 1020 - 47, a 17 px scroll bar beside it.
        {{762, 1026}, {16, 47}, {0, 0, 1920, 1020}, {true, {779, 973}}},
        // At 125 % (635 x 855) on 1366 x 768 less 50 px, and at scale 2 under a 48 px panel.
        {{635, 855}, {14, 39}, {0, 0, 1366, 718}, {true, {652, 679}}},
        {{508, 684}, {2, 24}, {0, 24, 960, 516}, {true, {525, 492}}},
        // Fitting to the pixel, and well: unchanged, no scroll bar.
        {{762, 973}, {16, 47}, {0, 0, 1920, 1020}, {false, {762, 973}}},
        {{1174, 633}, {14, 39}, {0, 0, 1366, 718}, {false, {1174, 633}}},
        // A work area lower than the frame still shows a row of pixels.
        {{508, 684}, {2, 24}, {0, 0, 640, 20}, {true, {525, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitOnWorkArea(c.client, c.frame, c.work, 17), c.fit) << c.client.height << " in " << c.work.height;
}

TEST(PlaceOpenList, BelowWhereItFitsElseAboveElseWhereMostRowsShowAlwaysInside)
{
    struct Case {
        Rect field;
        int items;
        Rect visible;
        OpenListPlace place;
    };
    const Rect screen{0, 0, 1024, 768};
    const Case cases[] = {
        {{100, 100, 200, 30}, 19, screen, {{100, 130, 200, 320}, 10, false}},  // ten rows below
        {{100, 100, 200, 30}, 3, screen, {{100, 130, 200, 96}, 3, false}},     // a short list
        // 138 px below: four rows; ten fit above.
        {{100, 600, 200, 30}, 19, screen, {{100, 280, 200, 320}, 10, true}},
        // A phone's page 500 px high: 8 rows below beat 6 above; 9 above beat 5 below.
        {{0, 200, 412, 40}, 19, {0, 0, 412, 500}, {{0, 240, 412, 256}, 8, false}},
        {{0, 300, 412, 40}, 19, {0, 0, 412, 500}, {{0, 12, 412, 288}, 9, true}},
        // As many either side: below. The page scrolled by 1000 px.
        {{0, 1200, 412, 40}, 19, {0, 1000, 412, 440}, {{0, 1240, 412, 192}, 6, false}},
        // No row fits beside the field: one row, inside what is visible.
        {{0, 0, 100, 30}, 5, {0, 0, 100, 40}, {{0, 8, 100, 32}, 1, false}},
        // A field reaching past the screen's right edge: its list is moved inside.
        {{950, 100, 200, 30}, 3, screen, {{824, 130, 200, 96}, 3, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceOpenList(c.field, c.items, ListRowHeight, c.visible), c.place)
            << c.field.top << " in " << c.visible.height;
    // The list's frame counts: 10 rows and 2 px do not fit in 321 px below.
    EXPECT_EQ(PlaceOpenList({0, 0, 100, 30}, 19, 32, {0, 0, 100, 351}, 2).rows, 9);
}

TEST(FlakeStrokes, SixArmsASixthOfATurnApart)
{
    const auto strokes = FlakeStrokes(20);
    EXPECT_NEAR(strokes[0].y1, -20, 1e-9);  // the first arm points up
    EXPECT_NEAR(strokes[9].y1, 20, 1e-9);   // the fourth points down
    EXPECT_NEAR(std::hypot(strokes[3].x1, strokes[3].y1), 20, 1e-9);
    EXPECT_NEAR(strokes[1].x1, -5, 1e-9);  // a barb reaches a quarter of the radius aside
}
