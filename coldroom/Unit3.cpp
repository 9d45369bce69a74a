// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit3.h"

// Captions on the right, each beside the value it names on the left:
// Label1/Label10 room temperature, C; Label2/Label11 compressor running hours;
// Label19/Label20 room volume, m3; Label21/Label22 loaded mass, kg;
// Label3/Label12 wall load; Label4/Label13 product and pallet load; Label9/Label34 respiration
// load; Label5/Label14 door infiltration load; Label6/Label15 lighting load; Label7/Label16
// people load; Label8/Label17 evaporator fan load (never calculated); Label18/Label33 safety
// factor; Label23/Label24 total, all in watts.
// Label25/Label28 compressor count; Label26/Label29 horsepower of one compressor;
// Label27/Label30 maker and model. Label31, Label32: refrigerant and temperature notes.
// Bevel1 sets the total apart from the loads, Bevel2 the compressors from the total.

TForm3* Form3 = nullptr;

namespace {

using namespace Shell;

constexpr std::string_view Celsius = "درجه سانتيگراد";
constexpr std::string_view Hours = "ساعت";
constexpr std::string_view CubicMetres = "مترمکعب";
constexpr std::string_view Kilograms = "کيلوگرم";
constexpr std::string_view Watts = "وات";
constexpr std::string_view Units = "دستگاه";
constexpr std::string_view Maker = "Bitzer  ";
// The units a run writes beside its figures.
constexpr std::string_view WrittenTexts[] = {
    Celsius, Hours, CubicMetres, Kilograms, Watts, Units, ColdRoom::HorsepowerUnits[0], ColdRoom::HorsepowerUnits[1]};

// Captions 200 x 32 at left 272; values 235 x 27 at left 27, beside their caption.
constexpr Control Caption(std::string_view name, std::string_view text, int top, Role role = Role::SheetCaption)
{
    return Label(name, text, {272, top, 200, 32}, role, Align::Centred);
}
constexpr Rect ValueBox(int top, int height = 27) { return {27, top, 235, height}; }

// clang-format off
constexpr Control Controls[] = {
    Caption("Label1", "دماي سالن", 15),                   Value("Label10", ValueBox(15, 32)),
    Caption("Label2", "مدت زمان کارکرد کمپرسور", 50),     Value("Label11", ValueBox(50)),
    Caption("Label19", "حجم سالن", 85),                   Value("Label20", ValueBox(85)),
    Caption("Label21", "ظرفيت سالن", 120),                Value("Label22", ValueBox(120)),
    Caption("Label3", "بار پرت از جداره ها", 155),         Value("Label12", ValueBox(155)),
    Caption("Label4", "بار محصول و باکس پالت", 190),       Value("Label13", ValueBox(190)),
    Caption("Label9", "بار تنفس", 225),                   Value("Label34", ValueBox(225)),
    Caption("Label5", "بار نفوذ از درب سالن", 260),        Value("Label14", ValueBox(260)),
    Caption("Label6", "بار روشنايي", 295),                Value("Label15", ValueBox(295)),
    Caption("Label7", "بار نفرات", 330),                  Value("Label16", ValueBox(330)),
    // The evaporator fan is never calculated: its row always reads "-".
    Caption("Label8", "بار فن اواپراتور", 361),
    Label("Label17", "-", ValueBox(365), Role::SheetValue, Align::Centred),
    Caption("Label18", "ضريب اطمينان", 400),              Value("Label33", ValueBox(400)),
    Caption("Label23", "مجموع کل بارها", 439),            Value("Label24", ValueBox(439)),
    Caption("Label25", "تعداد کمپرسور", 486, Role::CompressorCaption), Value("Label28", ValueBox(486)),
    Caption("Label26", "قدرت کمپرسور", 526, Role::CompressorCaption),  Value("Label29", ValueBox(526)),
    // The model code is Latin text and reads left to right.
    Caption("Label27", "مدل کمپرسور", 566, Role::CompressorCaption),
    Value("Label30", ValueBox(566), Role::ModelValue, Reading::LeftToRight),
    Note("Label31", {256, 624, 241, 24}),
    Note("Label32", {256, 648, 233, 24}),
    Rule("Bevel1", {26, 434, 441, 3}),
    Rule("Bevel2", {26, 477, 441, 3}),
    OkButton("BitBtn1", "بازگشت", {16, 624, 121, 49}),
};
// clang-format on

// The controls the handlers and the tables below name, each found in the table when the
// program is built: each caption beside its value, then the notes.
constexpr ControlId Label1 = Named(Controls, "Label1");
constexpr ControlId Label10 = Named(Controls, "Label10");
constexpr ControlId Label2 = Named(Controls, "Label2");
constexpr ControlId Label11 = Named(Controls, "Label11");
constexpr ControlId Label19 = Named(Controls, "Label19");
constexpr ControlId Label20 = Named(Controls, "Label20");
constexpr ControlId Label21 = Named(Controls, "Label21");
constexpr ControlId Label22 = Named(Controls, "Label22");
constexpr ControlId Label3 = Named(Controls, "Label3");
constexpr ControlId Label12 = Named(Controls, "Label12");
constexpr ControlId Label4 = Named(Controls, "Label4");
constexpr ControlId Label13 = Named(Controls, "Label13");
constexpr ControlId Label9 = Named(Controls, "Label9");
constexpr ControlId Label34 = Named(Controls, "Label34");
constexpr ControlId Label5 = Named(Controls, "Label5");
constexpr ControlId Label14 = Named(Controls, "Label14");
constexpr ControlId Label6 = Named(Controls, "Label6");
constexpr ControlId Label15 = Named(Controls, "Label15");
constexpr ControlId Label7 = Named(Controls, "Label7");
constexpr ControlId Label16 = Named(Controls, "Label16");
constexpr ControlId Label8 = Named(Controls, "Label8");
constexpr ControlId Label17 = Named(Controls, "Label17");
constexpr ControlId Label18 = Named(Controls, "Label18");
constexpr ControlId Label33 = Named(Controls, "Label33");
constexpr ControlId Label23 = Named(Controls, "Label23");
constexpr ControlId Label24 = Named(Controls, "Label24");
constexpr ControlId Label25 = Named(Controls, "Label25");
constexpr ControlId Label28 = Named(Controls, "Label28");
constexpr ControlId Label26 = Named(Controls, "Label26");
constexpr ControlId Label29 = Named(Controls, "Label29");
constexpr ControlId Label27 = Named(Controls, "Label27");
constexpr ControlId Label30 = Named(Controls, "Label30");
constexpr ControlId Label31 = Named(Controls, "Label31");
constexpr ControlId Label32 = Named(Controls, "Label32");

constexpr SheetRow Rows[] = {
    {Label1, Label10},  {Label2, Label11},  {Label19, Label20}, {Label21, Label22},
    {Label3, Label12},  {Label4, Label13},  {Label9, Label34},  {Label5, Label14},
    {Label6, Label15},  {Label7, Label16},  {Label8, Label17},  {Label18, Label33},
    {Label23, Label24}, {Label25, Label28}, {Label26, Label29}, {Label27, Label30},
};
constexpr ControlId Notes[] = {Label31, Label32};

constexpr WindowDescription Definition{
    .name = "Form3",
    .kind = WindowKind::ResultSheet,
    .caption = "نتيجه محاسبات",
    .client = {508, 684},
    .border = Border::Dialog,
    .buttons = TitleButtons::Close,
    .controls = Controls,
    .rows = Rows,
    .notes = Notes,
    .handlerTexts = WrittenTexts,
};

std::string WattsLine(std::int64_t watts) { return ResultLine(IntText(watts), Watts); }

}  // namespace

const Shell::WindowDescription& TForm3::Described() { return Definition; }

TForm3::TForm3(Shell::Face& face) : Shell::ResultSheet(face, Definition) {}

std::vector<ChartBar> TForm3::Chart() const
{
    const View& sheet = Window();
    const auto bar = [&sheet](ControlId caption, std::int64_t watts, ControlId value) {
        return ChartBar{sheet.Text(caption), watts, sheet.Text(value)};
    };
    return {bar(Label3, shown_.WallLoad, Label12),        bar(Label4, shown_.ProductLoad, Label13),
            bar(Label9, shown_.RespirationLoad, Label34), bar(Label5, shown_.InfiltrationLoad, Label14),
            bar(Label6, shown_.LightingLoad, Label15),    bar(Label7, shown_.PeopleLoad, Label16),
            bar(Label18, shown_.SafetyFactor, Label33)};
}

void TForm3::ShowResults(const ColdRoom::ColdRoomResult& result)
{
    View& sheet = Window();
    shown_ = result;
    sheet.SetText(Label10, ResultLine(IntText(result.RoomTemperature), Celsius));
    sheet.SetText(Label11, ResultLine(IntText(result.RunningHours), Hours));
    sheet.SetText(Label20, ResultLine(IntText(result.Volume), CubicMetres));
    sheet.SetText(Label22, ResultLine(IntText(result.LoadedMass), Kilograms));
    sheet.SetText(Label12, WattsLine(result.WallLoad));
    sheet.SetText(Label13, WattsLine(result.ProductLoad));
    sheet.SetText(Label34, WattsLine(result.RespirationLoad));
    sheet.SetText(Label14, WattsLine(result.InfiltrationLoad));
    sheet.SetText(Label15, WattsLine(result.LightingLoad));
    sheet.SetText(Label16, WattsLine(result.PeopleLoad));
    sheet.SetText(Label33, WattsLine(result.SafetyFactor));
    sheet.SetText(Label24, WattsLine(result.Total));
    if (!result.HasCompressorTable) return;
    sheet.SetText(Label28, ResultLine(IntText(result.Compressor.Count), Units));
    sheet.SetText(Label29,
                  ResultLine(FloatText(result.Compressor.Horsepower, sheet.DecimalSeparator()), result.HorsepowerUnit));
    sheet.SetText(Label30, std::string(Maker) + std::string(result.Compressor.ModelCode));
    sheet.SetText(Label31, result.ConditionNote);
    sheet.SetText(Label32, result.TemperatureNote);
}
