// SPDX-License-Identifier: GPL-3.0-or-later
// The scenarios every face plays: the program's own windows driven by keys, typing, pasting
// and the pointer, each followed by what must be seen. Expected figures are worked by hand:
// a 10 x 5 x 3 m chilled-meat room of 1000 kg a day needs 4691 W in all; a 4000 l tank from
// 30 C in 18 h needs 4000 x 1.163 x 29 / 18 = 7494.89 W and a fifth more, 8993 W: one
// 4FC-5.2 of 5.5 hp (9040 W), 9.592 m2 of coil and 137.5 m of 7/8 inch tube.

#include "Conformance.h"

namespace Conformance {

namespace {

using enum Do;

// The texts the windows show, as the windows write them.
constexpr std::string_view Chilled = "نگهداري گوشت بالاي صفر";
constexpr std::string_view Frozen = "نگهداري گوشت زير صفر";
constexpr std::string_view ThickInsulation = "پلي يورتان 15 سانتي";
constexpr std::string_view DimensionsError = "           ابعاد سالن صحيح وارد نشده است          ";
constexpr std::string_view VolumeError = "           حجم حوض بايد بيشتر از هزار ليتر باشد          ";
constexpr std::string_view ProgramTitle = "محاسبات بار برودتي نسخه 2.0";

// The cold-room sheet is taller than some screens' work area (684 px of client at 96 per
// inch: at 150 % on 1920 x 1080, at 125 % on 1366 x 768, at scale 2): it then scrolls, and its
// Back button and every row can still be reached. Where it fits, the rows hold as they are.
constexpr Row TallSheet[] = {
    {Start},
    {Press, {}, "Enter"},
    {InWorkArea, "Form2"},
    {Click, "Form2.Edit2"},
    {Type, {}, "10"},
    {Click, "Form2.Edit3"},
    {Type, {}, "5"},
    {Click, "Form2.Edit4"},
    {Type, {}, "3"},
    {Click, "Form2.Edit1"},
    {Type, {}, "1000"},
    {Click, "Form2.Button1"},
    {Active, "Form3"},
    {InWorkArea, "Form3"},
    // The sheet opens with its button focused, and so in view.
    {Focus, "Form3.BitBtn1"},
    {OnScreen, "Form3.BitBtn1"},
    {Wheel, "Form3", "up"},
    {OnScreen, "Form3.Label1"},
    {OnScreen, "Form3.Label10"},
    // Tab brings the focused button back into view; the wheel the last rows.
    {Press, {}, "Tab"},
    {Focus, "Form3.BitBtn1"},
    {OnScreen, "Form3.BitBtn1"},
    {Wheel, "Form3", "up"},
    {Wheel, "Form3", "down"},
    {OnScreen, "Form3.Label30"},
    {OnScreen, "Form3.Label32"},
    {OnScreen, "Form3.BitBtn1"},
    {Click, "Form3.BitBtn1"},
    {Active, "Form2"},
};

// A list opens where its rows show: the running hours, near the cold-room window's foot, open
// upwards where the screen leaves too little room below them.
constexpr Row ListsOnScreen[] = {
    {Start},        {Press, {}, "Enter"},  {OpenList, "Form2.ComboBox7"},
    {ListOnScreen}, {Press, {}, "Escape"}, {OpenList, "Form2.ComboBox1"},
    {ListOnScreen}, {Press, {}, "Escape"},
};

constexpr Row StartDialog[] = {
    {Start},
    {Active, "Form1"},
    {Focus, "Form1.BitBtn1"},
    {InkAt, "Form1.Label1", "centre"},
    // Escape would leave the program running unseen.
    {Press, {}, "Escape"},
    {Active, "Form1"},
    // Of the options, only the selected one is a tab stop; the arrows move between them.
    {Press, {}, "Tab"},
    {Focus, "Form1.RadioButton2"},
    {Press, {}, "Tab"},
    {Focus, "Form1.BitBtn1"},
    {Press, {}, "Shift+Tab"},
    {Focus, "Form1.RadioButton2"},
    {Press, {}, "Up"},
    {Focus, "Form1.RadioButton1"},
    // Enter anywhere on the dialog presses Continue.
    {Press, {}, "Enter"},
    {Active, "Form4"},
    {Focus, "Form4.ComboBox1"},
};

constexpr Row ColdRoomTabOrder[] = {
    {Start},
    {Press, {}, "Enter"},
    {Active, "Form2"},
    {Focus, "Form2.ComboBox1"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Edit2"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Edit3"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Edit4"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Button2"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Edit1"},
    {Press, {}, "Tab"},
    {Focus, "Form2.ComboBox6"},
    {Press, {}, "Tab"},
    {Focus, "Form2.ComboBox2"},
    // The hidden produce list is no stop.
    {Press, {}, "Tab"},
    {Focus, "Form2.ComboBox3"},
    {Press, {}, "Tab"},
    {Focus, "Form2.ComboBox4"},
    {Press, {}, "Tab"},
    {Focus, "Form2.ComboBox5"},
    {Press, {}, "Tab"},
    {Focus, "Form2.ComboBox7"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Button1"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Button3"},
    {Press, {}, "Tab"},
    {Focus, "Form2.ComboBox1"},
};

constexpr Row NumberFields[] = {
    {Start},
    {Press, {}, "Enter"},
    {Click, "Form2.Edit2"},
    // Only digits get through, and no more of them than the field takes.
    {Type, {}, "1a2"},
    {Text, "Form2.Edit2", "12"},
    {Type, {}, "3"},
    {Text, "Form2.Edit2", "12"},
    {Type, {}, "\b"},
    {Text, "Form2.Edit2", "1"},
    // Signs and blanks are dropped; a Persian keyboard's digit is the digit it stands for.
    {Type, {}, "-. \u06F5"},
    {Text, "Form2.Edit2", "15"},
    {Click, "Form2.Edit1"},
    {Type, {}, "123456789"},
    {Text, "Form2.Edit1", "1234567"},
    // Enter in a field presses nothing.
    {Press, {}, "Enter"},
    {Active, "Form2"},
    {NoBox},
};

constexpr Row Pastes[] = {
    {Start},
    {Press, {}, "Enter"},
    // A paste is taken whole, whatever the typing limit; typing stays within it.
    {Click, "Form2.Edit2"},
    {Paste, {}, "150"},
    {Text, "Form2.Edit2", "150"},
    // Ctrl+V types a control character, which the digit filter discards like any other.
    {Press, {}, "Ctrl+V"},
    {Text, "Form2.Edit2", "150"},
    {Type, {}, "4"},
    {Text, "Form2.Edit2", "150"},
    {Click, "Form2.Edit3"},
    {Paste, {}, "5"},
    {Type, {}, "07"},
    {Text, "Form2.Edit3", "50"},
    {Click, "Form2.Edit4"},
    {Paste, {}, "65539"},
    {Text, "Form2.Edit4", "65539"},
    {Click, "Form2.Edit1"},
    {Type, {}, "1000"},
    // A side of more than 99 m is no side of the room, whatever 16 bits would make of it.
    {Click, "Form2.Button1"},
    {Active, "Box"},
    {Box, {}, DimensionsError},
    {BoxCaption, {}, "Error"},
    {Press, {}, "Enter"},
    {NoBox},
    {Click, "Form2.Button2"},
    {Box, {}, DimensionsError},
    {Press, {}, "Escape"},
    {Active, "Form2"},
    // The typing limit follows a pasted text down as the user deletes: a second click puts the
    // caret after the text the first one selected.
    {Click, "Form2.Edit2"},
    {Click, "Form2.Edit2"},
    {Type, {}, "\b4"},
    {Text, "Form2.Edit2", "15"},
};

constexpr Row ColdRoomRun[] = {
    {Start},
    {Press, {}, "Enter"},
    {Click, "Form2.Edit2"},
    {Type, {}, "10"},
    {Press, {}, "Tab"},
    {Type, {}, "5"},
    {Press, {}, "Tab"},
    {Type, {}, "3"},
    {Click, "Form2.Edit1"},
    {Type, {}, "1000"},
    {Press, {}, "Tab"},
    {Press, {}, "Tab"},
    {Press, {}, "Tab"},
    {Press, {}, "Tab"},
    {Press, {}, "Tab"},
    {Press, {}, "Tab"},
    {Press, {}, "Tab"},
    {Focus, "Form2.Button1"},
    // Enter presses the focused Calculate; the sheet opens with its button focused.
    {Press, {}, "Enter"},
    {Active, "Form3"},
    {Focus, "Form3.BitBtn1"},
    {Text, "Form3.Label24", "4691  وات"},
    {InkAt, "Form3.Label24", "centre"},
    {InkAt, "Form3.Label31", "right"},
    // The sheet is modal: its input window takes no input while it is open.
    {Click, "Form2.Button3"},
    {Active, "Form3"},
    // Escape leaves the sheet open; Ctrl+C copies it with the inputs of its run.
    {Press, {}, "Escape"},
    {Active, "Form3"},
    {Press, {}, "Ctrl+C"},
    {Clipboard, {}, "طول ابعاد سردخانه (متر): 10"},
    {Clipboard, {}, "مجموع کل بارها: 4691  وات"},
    {Press, {}, "Enter"},
    {Active, "Form2"},
    {Focus, "Form2.Button1"},
    {Text, "Form2.Edit2", "10"},
    // Shown again, the sheet focuses its button again; its close box closes it.
    {Press, {}, "Tab"},
    {Press, {}, "Shift+Tab"},
    {Press, {}, "Enter"},
    {Active, "Form3"},
    {Focus, "Form3.BitBtn1"},
    {CloseBox, "Form3"},
    {Active, "Form2"},
    {CloseBox, "Form2"},
    {Ended},
};

constexpr Row Lists[] = {
    {Start},
    {Press, {}, "Enter"},
    {Focus, "Form2.ComboBox1"},
    {Text, "Form2.ComboBox4", "4"},
    // Moving through an open list chooses nothing; Escape closes it keeping its item.
    {OpenList, "Form2.ComboBox1"},
    {RowsAt, {}, "right"},
    {Press, {}, "Down"},
    {Press, {}, "Down"},
    {Text, "Form2.ComboBox4", "4"},
    {Press, {}, "Escape"},
    {Text, "Form2.ComboBox1", Chilled},
    {Text, "Form2.ComboBox4", "4"},
    // Enter chooses, and the window follows the process chosen.
    {OpenList, "Form2.ComboBox1"},
    {Press, {}, "Down"},
    {Press, {}, "Enter"},
    {Text, "Form2.ComboBox1", Frozen},
    {Text, "Form2.ComboBox4", "-17"},
    {Text, "Form2.ComboBox2", ThickInsulation},
    // Choosing the item already chosen is no change: the hours stay as the user chose them.
    {OpenList, "Form2.ComboBox7"},
    {ClickRow, {}, "2"},
    {Text, "Form2.ComboBox7", "5"},
    {OpenList, "Form2.ComboBox1"},
    {ClickRow, {}, "1"},
    {Text, "Form2.ComboBox7", "5"},
    // A key on the closed list is the user's choice.
    {Press, {}, "Up"},
    {Text, "Form2.ComboBox1", Chilled},
    {Text, "Form2.ComboBox7", "20"},
};

// A field that takes the focus shows its text selected, so that what is typed replaces it: a
// "0" the run wrote is not typed after.
constexpr Row FieldFocus[] = {
    {Start},
    {Press, {}, "Enter"},
    {Click, "Form2.Edit2"},
    {Type, {}, "12"},
    {Press, {}, "Tab"},
    {Press, {}, "Shift+Tab"},
    {Selected, "Form2.Edit2", "12"},
    {Type, {}, "3"},
    {Text, "Form2.Edit2", "3"},
    // An empty capacity becomes 0 at a run.
    {Click, "Form2.Button1"},
    {Press, {}, "Enter"},
    {Text, "Form2.Edit1", "0"},
    {Click, "Form2.Edit1"},
    {Selected, "Form2.Edit1", "0"},
    {Type, {}, "1000"},
    {Text, "Form2.Edit1", "1000"},
    // A click in the field that holds the focus puts the caret there.
    {Click, "Form2.Edit1"},
    {Selected, "Form2.Edit1", ""},
    // Ctrl+A selects the whole text, and a letter typed over it is dropped, the text kept.
    {Press, {}, "Ctrl+A"},
    {Selected, "Form2.Edit1", "1000"},
    {Type, {}, "a"},
    {Text, "Form2.Edit1", "1000"},
    {Type, {}, "7"},
    {Text, "Form2.Edit1", "7"},
};

// A list takes keys as a drop-down list of Windows does, open or closed: pages of its ten open
// rows, the ends, and the first item that starts with what was typed within a second.
constexpr Row ListKeys[] = {
    {Start},
    {Press, {}, "Enter"},
    // The outside temperatures, 20 to 50, at 35; closed, each key chooses.
    {OpenList, "Form2.ComboBox5"},
    {Press, {}, "Escape"},
    {Press, {}, "PageDown"},
    {Text, "Form2.ComboBox5", "45"},
    {Press, {}, "End"},
    {Text, "Form2.ComboBox5", "50"},
    {Press, {}, "Home"},
    {Text, "Form2.ComboBox5", "20"},
    // Open, the keys move the highlight, and Enter chooses it.
    {OpenList, "Form2.ComboBox5"},
    {Press, {}, "PageDown"},
    {Press, {}, "PageDown"},
    {Press, {}, "PageUp"},
    {Press, {}, "Enter"},
    {Text, "Form2.ComboBox5", "30"},
    // The loading percentages, 100 down to 5: "5" then "0" seeks 50; after a pause "5" seeks
    // afresh, from the first item: 55.
    {OpenList, "Form2.ComboBox6"},
    {Type, {}, "50"},
    {Press, {}, "Enter"},
    {Text, "Form2.ComboBox6", "50"},
    {Pause},
    {Type, {}, "5"},
    {Text, "Form2.ComboBox6", "55"},
    // A minus sign seeks too: -17 of the frozen meat's entry temperatures, -17 to -4.
    {OpenList, "Form2.ComboBox1"},
    {Press, {}, "Down"},
    {Press, {}, "Enter"},
    {OpenList, "Form2.ComboBox4"},
    {Press, {}, "Escape"},
    {Press, {}, "End"},
    {Text, "Form2.ComboBox4", "-4"},
    {Type, {}, "-1"},
    {Text, "Form2.ComboBox4", "-17"},
};

constexpr Row Boxes[] = {
    {Start},
    {Click, "Form1.RadioButton1"},
    {Press, {}, "Enter"},
    {Active, "Form4"},
    // An empty volume becomes 0 and is refused; Escape and Enter close the box.
    {Click, "Form4.Button1"},
    {Active, "Box"},
    {Focus, "Box.OK"},
    {BoxCaption, {}, "Error"},
    {Box, {}, VolumeError},
    {Press, {}, "Escape"},
    {NoBox},
    {Active, "Form4"},
    {Text, "Form4.Edit1", "0"},
    {Click, "Form4.Button1"},
    {Box, {}, VolumeError},
    {Press, {}, "Enter"},
    {NoBox},
    // A paste of two lines is taken whole and is no whole number.
    {Click, "Form4.Edit1"},
    {Type, {}, "\b"},
    {Paste, {}, "15\n00"},
    {Click, "Form4.Button1"},
    {BoxCaption, {}, ProgramTitle},
    // Each line of a box reads left to right, as the texts were composed.
    {InkAt, "Box.1", "left"},
    {Press, {}, "Enter"},
    {Active, "Form4"},
};

constexpr Row IceBankRun[] = {
    {Start},
    {DecimalComma},
    {Click, "Form1.RadioButton1"},
    {Click, "Form1.BitBtn1"},
    {Click, "Form4.Edit1"},
    {Type, {}, "4000"},
    {Click, "Form4.Button1"},
    {Active, "Form5"},
    // The horsepower takes the decimal separator of the user's regional settings.
    {Text, "Form5.Label29", "5,5  اسب"},
    {Text, "Form5.Label6", "8993  وات"},
    {Text, "Form5.Label22", "9  متر مربع"},
    {Text, "Form5.Label2", "137  متر"},
    {Press, {}, "Ctrl+C"},
    {Clipboard, {}, "قطر لوله مسي کويل (اينچ): لوله مسي 7/8"},
    {Clipboard, {}, "قدرت کمپرسور: 5,5  اسب"},
    {Press, {}, "Enter"},
    {Active, "Form4"},
    {Click, "Form4.Button3"},
    {Ended},
};

constexpr Row LongNumber[] = {
    {Start},
    {Press, {}, "Enter"},
    {Click, "Form2.Edit2"},
    {Type, {}, "99"},
    {Click, "Form2.Edit3"},
    {Type, {}, "99"},
    {Click, "Form2.Edit4"},
    {Type, {}, "99"},
    // The suggestion is written whole, longer than the field takes from the keyboard, and drawn
    // whole, smaller where it must be.
    {Click, "Form2.Button2"},
    {BoxCaption, {}, "Information"},
    {Press, {}, "Enter"},
    {Text, "Form2.Edit1", "323433000"},
    {Whole, "Form2.Edit1"},
    {Click, "Form2.Edit1"},
    {Click, "Form2.Edit1"},
    {Type, {}, "1"},
    {Text, "Form2.Edit1", "323433000"},
};

constexpr Row Ends[] = {
    {Start},
    {CloseBox, "Form1"},
    {Ended},
};

constexpr Scenario All[] = {
    {"StartDialog", StartDialog},
    {"ColdRoomTabOrder", ColdRoomTabOrder},
    {"NumberFields", NumberFields},
    {"Pastes", Pastes},
    {"ColdRoomRun", ColdRoomRun},
    {"Lists", Lists},
    {"FieldFocus", FieldFocus},
    {"ListKeys", ListKeys},
    {"Boxes", Boxes},
    {"IceBankRun", IceBankRun},
    {"LongNumber", LongNumber},
    {"Ends", Ends},
    {"TallSheet", TallSheet},
    {"ListsOnScreen", ListsOnScreen},
};

}  // namespace

std::span<const Scenario> Scenarios() { return All; }

}  // namespace Conformance
