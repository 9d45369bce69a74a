// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit2.h"

#include "Unit3.h"

#include <array>

// ComboBox1: process, its position is the ProcessKind. Edit2, Edit3, Edit4: room length,
// width and height, metres. Button2: suggested capacity. Edit1: capacity, kg per day.
// ComboBox6: loading percentage. ComboBox2: insulation, 10 or 15 cm polyurethane.
// ComboBox8: fruit and vegetables; ComboBox3: meat; in the same place, one shown at a time.
// ComboBox4: product entry temperature, C. ComboBox5: outside temperature, C.
// ComboBox7: compressor running hours per day. Button1: Calculate; Button3: Exit.
// Image1: banner. Label1 to Label18 caption the controls beside them.

TForm2* Form2 = nullptr;

namespace {

using namespace Shell;

constexpr std::string_view Caption = "محاسبات سردخانه (فريوني)";
constexpr std::string_view DimensionsError = "           ابعاد سالن صحيح وارد نشده است          ";
constexpr std::string_view CapacityError = "           ظرفيت سالن صحيح نيست          ";

// Four lines, each after a lone carriage return, indented with blanks.
constexpr std::string_view SuggestionLines[] = {"تخمين ظرفيت بطور کاملا تقريبي بوده که در بسياري از حجم ها",
                                                ".عدد تقريبي با واقعيت اختلاف زيادي دارد",
                                                "روش صحيح اينگونه است که کاربر عدد صحيح را بطور دستي", "وارد نمايد"};
const std::string SuggestionNotice = std::string(SuggestionLines[0]) + '\r' + std::string(34, ' ') +
                                     std::string(SuggestionLines[1]) + '\r' + std::string(4, ' ') +
                                     std::string(SuggestionLines[2]) + '\r' + std::string(84, ' ') +
                                     std::string(SuggestionLines[3]);
constexpr std::string_view BoxTexts[] = {DimensionsError,    CapacityError,      SuggestionLines[0],
                                         SuggestionLines[1], SuggestionLines[2], SuggestionLines[3]};

// The pre-cooler entry begins with a zero-width joiner.
constexpr std::string_view Processes[] = {"نگهداري گوشت بالاي صفر", "نگهداري گوشت زير صفر", "\u200Dپيش سردکن",
                                          "انجماد گوشت", "نگهداري ميوه/سبزي/صيفي جات"};
constexpr std::string_view Insulations[] = {"پلي يورتان 10 سانتي", "پلي يورتان 15 سانتي"};

// The product lists hold the engine's names, so each is written once.
constexpr auto Produce = [] {
    std::array<std::string_view, Tools::ProduceListOrder.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = Tools::ProduceTable[Tools::ProduceListOrder[i]].Name;
    return names;
}();
constexpr auto Meats = [] {
    std::array<std::string_view, Tools::MeatTable.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = Tools::MeatTable[i].Name;
    return names;
}();

constexpr Items RunningHours = NumberItems(3, 22);
constexpr Items OutsideTemperatures = NumberItems(20, 50);

constexpr Control Controls[] = {
    Banner("Image1", Caption, {16, 8, 920, 149}),
    // Captions take the size of their text, from the given corner.
    Label("Label1", "فرآيند", {784, 184}, Role::Caption),
    Label("Label2", "ابعاد سردخانه (متر)", {480, 160}, Role::Caption),
    Label("Label3", "طول", {584, 196}, Role::DimensionCaption),
    Label("Label4", "عرض", {520, 196}, Role::DimensionCaption),
    Label("Label5", "ارتفاع", {467, 196}, Role::DimensionCaption),
    Label("Label7", "ظرفيت سالن", {173, 160}, Role::Caption),
    Label("Label14", "(کيلوگرم)", {184, 187}, Role::Caption),
    Label("Label12", "درصد بارگيري", {48, 160}, Role::Caption),
    Label("Label15", "در روز", {72, 187}, Role::Caption),
    Label("Label13", "%", {32, 220}, Role::PercentSign),
    Label("Label6", "ضخامت عايق ", {784, 290}, Role::Caption),
    Label("Label8", "نوع محصول", {600, 290}, Role::Caption),
    Label("Label17", "دماي محصول ورودي", {388, 290}, Role::Caption),
    Label("Label18", "(سانتيگراد)", {312, 290}, Role::Caption),
    Label("Label11", "دماي محيط بيرون", {156, 290}, Role::Caption),
    Label("Label16", "سردخانه (سانتيگراد)", {24, 290}, Role::Caption),
    Label("Label9", "مدت زمان کارکرد کمپرسور (ساعت)", {697, 386}, Role::Caption),

    // In tab order; the first holds the focus when the window opens.
    List("ComboBox1", {648, 224, 257, 40}, {Processes}, 0),
    Edit("Edit2", {576, 224, 40, 41}, 2),
    Edit("Edit3", {520, 224, 40, 41}, 2),
    Edit("Edit4", {464, 224, 40, 41}, 2),
    Button("Button2", "ظرفيت پيشنهادي سالن", {304, 220, 121, 49}),
    Edit("Edit1", {176, 224, 81, 41}, 7),
    List("ComboBox6", {56, 224, 73, 40}, NumberItems(100, 5, -5), 0),
    List("ComboBox2", {728, 328, 175, 40}, {Insulations}, 0),
    List("ComboBox8", {544, 328, 161, 40}, {Produce}, int(Tools::ProduceListDefault), true),
    List("ComboBox3", {544, 328, 161, 40}, {Meats}, 0),
    // Entry temperatures and running hours are proposed per process by ComboBox1Change.
    List("ComboBox4", {392, 328, 73, 40}, {}, -1),
    List("ComboBox5", {112, 328, 73, 40}, OutsideTemperatures, NumberPosition(OutsideTemperatures, 35)),
    List("ComboBox7", {795, 424, 73, 40}, RunningHours, -1),
    Button("Button1", "محاسبه", {168, 424, 105, 57}),
    Button("Button3", "خروج", {40, 424, 105, 57}),
};

// The controls the handlers and the tables below name, each found in the table when the
// program is built.
constexpr ControlId Label1 = Named(Controls, "Label1");
constexpr ControlId Label2 = Named(Controls, "Label2");
constexpr ControlId Label3 = Named(Controls, "Label3");
constexpr ControlId Label4 = Named(Controls, "Label4");
constexpr ControlId Label5 = Named(Controls, "Label5");
constexpr ControlId Label6 = Named(Controls, "Label6");
constexpr ControlId Label7 = Named(Controls, "Label7");
constexpr ControlId Label8 = Named(Controls, "Label8");
constexpr ControlId Label9 = Named(Controls, "Label9");
constexpr ControlId Label11 = Named(Controls, "Label11");
constexpr ControlId Label12 = Named(Controls, "Label12");
constexpr ControlId Label13 = Named(Controls, "Label13");
constexpr ControlId Label14 = Named(Controls, "Label14");
constexpr ControlId Label15 = Named(Controls, "Label15");
constexpr ControlId Label16 = Named(Controls, "Label16");
constexpr ControlId Label17 = Named(Controls, "Label17");
constexpr ControlId Label18 = Named(Controls, "Label18");
constexpr ControlId ComboBox1 = Named(Controls, "ComboBox1");
constexpr ControlId ComboBox2 = Named(Controls, "ComboBox2");
constexpr ControlId ComboBox3 = Named(Controls, "ComboBox3");
constexpr ControlId ComboBox4 = Named(Controls, "ComboBox4");
constexpr ControlId ComboBox5 = Named(Controls, "ComboBox5");
constexpr ControlId ComboBox6 = Named(Controls, "ComboBox6");
constexpr ControlId ComboBox7 = Named(Controls, "ComboBox7");
constexpr ControlId ComboBox8 = Named(Controls, "ComboBox8");
constexpr ControlId Edit1 = Named(Controls, "Edit1");
constexpr ControlId Edit2 = Named(Controls, "Edit2");
constexpr ControlId Edit3 = Named(Controls, "Edit3");
constexpr ControlId Edit4 = Named(Controls, "Edit4");
constexpr ControlId Button1 = Named(Controls, "Button1");
constexpr ControlId Button2 = Named(Controls, "Button2");
constexpr ControlId Button3 = Named(Controls, "Button3");

// Dimensions, capacity, loading percentage, process, insulation, product, entry and outside
// temperatures, running hours; the two product lists share their caption.
constexpr CaptionedInput Inputs[] = {
    {Edit2, Label3, Label2},       {Edit3, Label4, Label2},       {Edit4, Label5, Label2},
    {Edit1, Label7, Label14},      {ComboBox6, Label12, Label13}, {ComboBox1, Label1},
    {ComboBox2, Label6},           {ComboBox3, Label8},           {ComboBox8, Label8},
    {ComboBox4, Label17, Label18}, {ComboBox5, Label11, Label16}, {ComboBox7, Label9},
};

// Calculate shows the result sheet.
constexpr Opening Calculate[] = {{Button1, "Form3"}};

constexpr WindowDescription Definition{
    .name = "Form2",
    .kind = WindowKind::InputWindow,
    .caption = Caption,
    .client = {939, 506},
    .border = Border::Single,
    .buttons = TitleButtons::MinimizeAndClose,
    .controls = Controls,
    .inputs = Inputs,
    .opens = Calculate,
    .exit = Button3,
    .handlerTexts = BoxTexts,
};

// What the process list's choice switches on and off together.
constexpr ControlId LoadingPercentage[] = {Label12, Label15, Label13, ComboBox6};

}  // namespace

const Shell::WindowDescription& TForm2::Described() { return Definition; }

TForm2::TForm2(Shell::Face& face) : Shell::InputWindow(face, Definition)
{
    // The window opens as choosing the first process leaves it.
    ComboBox1Change();
}

void TForm2::Click(Shell::ControlId control)
{
    if (control == Button1) Button1Click();
    if (control == Button2) Button2Click();
    if (control == Button3) Button3Click();
}

void TForm2::Change(Shell::ControlId control)
{
    if (control == ComboBox1) ComboBox1Change();
}

void TForm2::KeyPress(Shell::ControlId control, char32_t& key)
{
    if (control == Edit1) Edit1KeyPress(key);
    if (control == Edit2) Edit2KeyPress(key);
    if (control == Edit3) Edit3KeyPress(key);
    if (control == Edit4) Edit4KeyPress(key);
}

void TForm2::Edit1KeyPress(char32_t& Key) { Key = DigitFilter(Key); }
void TForm2::Edit2KeyPress(char32_t& Key) { Key = DigitFilter(Key); }
void TForm2::Edit3KeyPress(char32_t& Key) { Key = DigitFilter(Key); }
void TForm2::Edit4KeyPress(char32_t& Key) { Key = DigitFilter(Key); }

bool TForm2::RejectsDimensions(std::int32_t length, std::int32_t width, std::int32_t height)
{
    // A side is 1 to 99 m. A pasted text gets past the digit filter and the two-digit limit: a
    // negative side is as wrong as 0, and a longer one would wrap in the room's 16 bits.
    const auto side = [](std::int32_t metres) { return metres >= 1 && metres <= 99; };
    if (side(length) && side(width) && side(height)) return false;
    ShowError(DimensionsError);
    return true;
}

Tools::ProcessKind TForm2::Process() const { return Tools::ProcessKind(Window().Selection(ComboBox1)); }

void TForm2::ComboBox1Change()
{
    View& window = Window();
    const ColdRoom::ProcessLayout& layout = ColdRoom::LayoutFor(Process());
    window.SetItems(ComboBox4, {});
    for (ControlId control : LoadingPercentage) window.SetEnabled(control, true);
    window.SetSelection(ComboBox2, 0);

    window.SetSelection(ComboBox2, layout.InsulationIndex);
    const Items entries = NumberItems(layout.EntryFrom, layout.EntryTo);
    window.SetItems(ComboBox4, ItemTexts(entries));
    window.SetSelection(ComboBox4, NumberPosition(entries, layout.ProposedEntry));
    window.SetSelection(ComboBox7, NumberPosition(RunningHours, layout.ProposedHours));
    // A disabled percentage keeps its value: the run still shows that share as the mass.
    if (!layout.LoadingApplies)
        for (ControlId control : LoadingPercentage) window.SetEnabled(control, false);
    window.SetHidden(ComboBox8, !layout.ProduceList);
    window.SetHidden(ComboBox3, layout.ProduceList);
    if (layout.ProduceList) window.SetSelection(ComboBox8, int(Tools::ProduceListDefault));
}

void TForm2::Button1Click()
{
    for (ControlId edit : {Edit1, Edit2, Edit3, Edit4}) FillEmpty(edit);
    // Converted in this order, which decides the text the general error box quotes when
    // more than one is not a whole number.
    const std::int32_t length = IntOf(Edit2);
    const std::int32_t width = IntOf(Edit3);
    const std::int32_t height = IntOf(Edit4);
    const std::int32_t capacity = IntOf(Edit1);
    const std::int32_t loadingPercent = IntOf(ComboBox6);
    if (RejectsDimensions(length, width, height)) return;
    if (capacity < 1) {
        ShowError(CapacityError);
        return;
    }

    // The rest is read in this order: outside temperature, running hours, process,
    // insulation, entry temperature, product.
    const ColdRoom::ColdRoomInput input{
        .Length = std::uint16_t(length),
        .Width = std::uint16_t(width),
        .Height = std::uint16_t(height),
        .Capacity = capacity,
        .LoadingPercent = loadingPercent,
        .OutsideTemperature = IntOf(ComboBox5),
        .RunningHours = std::uint8_t(IntOf(ComboBox7)),
        .Process = Process(),
        .InsulationFactor = ColdRoom::InsulationFactorAt(Window().Selection(ComboBox2)),
        .EntryTemperature = IntOf(ComboBox4),
        // The visible list names the product; it stays so while the window is hidden.
        .ProductName = Window().Text(Window().Hidden(ComboBox3) ? ComboBox8 : ComboBox3),
    };
    Form3->ShowResults(ColdRoom::ComputeColdRoom(input));
    Form3->SetInputs(RunInputs());
    Form3->ShowModal();
}

void TForm2::Button2Click()
{
    for (ControlId edit : {Edit2, Edit3, Edit4}) FillEmpty(edit);
    const std::int32_t length = IntOf(Edit2);
    const std::int32_t width = IntOf(Edit3);
    const std::int32_t height = IntOf(Edit4);
    if (RejectsDimensions(length, width, height)) return;
    ShowInformation(SuggestionNotice);
    // The suggestion may be longer than the seven digits the user can type.
    Window().SetText(Edit1, IntText(ColdRoom::SuggestedCapacity(std::uint16_t(length), std::uint16_t(width),
                                                                std::uint16_t(height), Process())));
}

void TForm2::Button3Click() { Window().Quit(); }
