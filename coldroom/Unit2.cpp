// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit2.h"

#include "Unit3.h"

#include <array>

// The room's sides in metres, the capacity in kilograms a day, temperatures in C. The process
// list's position is the ProcessKind; the produce and the meat list stand in one place, one
// shown at a time.

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

constexpr Items RunningHourItems = NumberItems(3, 22);
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
    List("ComboBox7", {795, 424, 73, 40}, RunningHourItems, -1),
    Button("Button1", "محاسبه", {168, 424, 105, 57}),
    Button("Button3", "خروج", {40, 424, 105, 57}),
};

// The controls the handlers and the tables below name, each found in the table when the
// program is built.
constexpr ControlId ProcessCaption = Named(Controls, "Label1");
constexpr ControlId DimensionsCaption = Named(Controls, "Label2");
constexpr ControlId LengthCaption = Named(Controls, "Label3");
constexpr ControlId WidthCaption = Named(Controls, "Label4");
constexpr ControlId HeightCaption = Named(Controls, "Label5");
constexpr ControlId InsulationCaption = Named(Controls, "Label6");
constexpr ControlId CapacityCaption = Named(Controls, "Label7");
constexpr ControlId ProductCaption = Named(Controls, "Label8");
constexpr ControlId RunningHoursCaption = Named(Controls, "Label9");
constexpr ControlId OutsideTemperatureCaption = Named(Controls, "Label11");
constexpr ControlId LoadingCaption = Named(Controls, "Label12");
constexpr ControlId LoadingUnit = Named(Controls, "Label13");
constexpr ControlId CapacityUnit = Named(Controls, "Label14");
constexpr ControlId PerDay = Named(Controls, "Label15");
constexpr ControlId OutsideTemperatureUnit = Named(Controls, "Label16");
constexpr ControlId EntryTemperatureCaption = Named(Controls, "Label17");
constexpr ControlId EntryTemperatureUnit = Named(Controls, "Label18");
constexpr ControlId ProcessList = Named(Controls, "ComboBox1");
constexpr ControlId Insulation = Named(Controls, "ComboBox2");
constexpr ControlId MeatList = Named(Controls, "ComboBox3");
constexpr ControlId EntryTemperature = Named(Controls, "ComboBox4");
constexpr ControlId OutsideTemperature = Named(Controls, "ComboBox5");
constexpr ControlId LoadingPercent = Named(Controls, "ComboBox6");
constexpr ControlId RunningHours = Named(Controls, "ComboBox7");
constexpr ControlId ProduceList = Named(Controls, "ComboBox8");
constexpr ControlId Capacity = Named(Controls, "Edit1");
constexpr ControlId RoomLength = Named(Controls, "Edit2");
constexpr ControlId RoomWidth = Named(Controls, "Edit3");
constexpr ControlId RoomHeight = Named(Controls, "Edit4");
constexpr ControlId Calculate = Named(Controls, "Button1");
constexpr ControlId SuggestCapacity = Named(Controls, "Button2");
constexpr ControlId Exit = Named(Controls, "Button3");

// Dimensions, capacity, loading percentage, process, insulation, product, entry and outside
// temperatures, running hours; the two product lists share their caption.
constexpr CaptionedInput Inputs[] = {
    {RoomLength, LengthCaption, DimensionsCaption},
    {RoomWidth, WidthCaption, DimensionsCaption},
    {RoomHeight, HeightCaption, DimensionsCaption},
    {Capacity, CapacityCaption, CapacityUnit},
    {LoadingPercent, LoadingCaption, LoadingUnit},
    {ProcessList, ProcessCaption},
    {Insulation, InsulationCaption},
    {MeatList, ProductCaption},
    {ProduceList, ProductCaption},
    {EntryTemperature, EntryTemperatureCaption, EntryTemperatureUnit},
    {OutsideTemperature, OutsideTemperatureCaption, OutsideTemperatureUnit},
    {RunningHours, RunningHoursCaption},
};

// Calculate shows the result sheet.
constexpr Opening SheetOpened[] = {{Calculate, "Form3"}};

constexpr WindowDescription Definition{
    .name = "Form2",
    .kind = WindowKind::InputWindow,
    .caption = Caption,
    .client = {939, 506},
    .border = Border::Single,
    .buttons = TitleButtons::MinimizeAndClose,
    .controls = Controls,
    .inputs = Inputs,
    .opens = SheetOpened,
    .exit = Exit,
    .handlerTexts = BoxTexts,
};

// What the process list's choice switches on and off together.
constexpr ControlId LoadingControls[] = {LoadingCaption, PerDay, LoadingUnit, LoadingPercent};

}  // namespace

const Shell::WindowDescription& TForm2::Described() { return Definition; }

TForm2::TForm2(Shell::Face& face) : Shell::InputWindow(face, Definition)
{
    // The window opens as choosing the first process leaves it.
    ComboBox1Change();
}

void TForm2::Click(Shell::ControlId control)
{
    if (control == Calculate) Button1Click();
    if (control == SuggestCapacity) Button2Click();
    if (control == Exit) Button3Click();
}

void TForm2::Change(Shell::ControlId control)
{
    if (control == ProcessList) ComboBox1Change();
}

void TForm2::KeyPress(Shell::ControlId control, char32_t& key)
{
    if (control == Capacity) Edit1KeyPress(key);
    if (control == RoomLength) Edit2KeyPress(key);
    if (control == RoomWidth) Edit3KeyPress(key);
    if (control == RoomHeight) Edit4KeyPress(key);
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

Tools::ProcessKind TForm2::Process() const { return Tools::ProcessKind(Window().Selection(ProcessList)); }

void TForm2::ComboBox1Change()
{
    View& window = Window();
    const ColdRoom::ProcessLayout& layout = ColdRoom::LayoutFor(Process());
    window.SetItems(EntryTemperature, {});
    for (ControlId control : LoadingControls) window.SetEnabled(control, true);
    window.SetSelection(Insulation, 0);

    window.SetSelection(Insulation, layout.InsulationIndex);
    const Items entries = NumberItems(layout.EntryFrom, layout.EntryTo);
    window.SetItems(EntryTemperature, ItemTexts(entries));
    window.SetSelection(EntryTemperature, NumberPosition(entries, layout.ProposedEntry));
    window.SetSelection(RunningHours, NumberPosition(RunningHourItems, layout.ProposedHours));
    // A disabled percentage keeps its value: the run still shows that share as the mass.
    if (!layout.LoadingApplies)
        for (ControlId control : LoadingControls) window.SetEnabled(control, false);
    window.SetHidden(ProduceList, !layout.ProduceList);
    window.SetHidden(MeatList, layout.ProduceList);
    if (layout.ProduceList) window.SetSelection(ProduceList, int(Tools::ProduceListDefault));
}

void TForm2::Button1Click()
{
    for (ControlId edit : {Capacity, RoomLength, RoomWidth, RoomHeight}) FillEmpty(edit);
    // Converted in this order, which decides the text the general error box quotes when
    // more than one is not a whole number.
    const std::int32_t length = IntOf(RoomLength);
    const std::int32_t width = IntOf(RoomWidth);
    const std::int32_t height = IntOf(RoomHeight);
    const std::int32_t capacity = IntOf(Capacity);
    const std::int32_t loadingPercent = IntOf(LoadingPercent);
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
        .OutsideTemperature = IntOf(OutsideTemperature),
        .RunningHours = std::uint8_t(IntOf(RunningHours)),
        .Process = Process(),
        .InsulationFactor = ColdRoom::InsulationFactorAt(Window().Selection(Insulation)),
        .EntryTemperature = IntOf(EntryTemperature),
        // The visible list names the product; it stays so while the window is hidden.
        .ProductName = Window().Text(Window().Hidden(MeatList) ? ProduceList : MeatList),
    };
    Form3->ShowResults(ColdRoom::ComputeColdRoom(input));
    Form3->SetInputs(RunInputs());
    Form3->ShowModal();
}

void TForm2::Button2Click()
{
    for (ControlId edit : {RoomLength, RoomWidth, RoomHeight}) FillEmpty(edit);
    const std::int32_t length = IntOf(RoomLength);
    const std::int32_t width = IntOf(RoomWidth);
    const std::int32_t height = IntOf(RoomHeight);
    if (RejectsDimensions(length, width, height)) return;
    ShowInformation(SuggestionNotice);
    // The suggestion may be longer than the seven digits the user can type.
    Window().SetText(Capacity, IntText(ColdRoom::SuggestedCapacity(std::uint16_t(length), std::uint16_t(width),
                                                                   std::uint16_t(height), Process())));
}

void TForm2::Button3Click() { Window().Quit(); }
