// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit3.h"

// The loads and the total in watts: the product load with its pallets', the infiltration
// through the door. The horsepower is one compressor's, the model its maker and code. Bevel1
// sets the total apart from the loads, Bevel2 the compressors from the total.

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
constexpr ControlId RoomTemperatureCaption = Named(Controls, "Label1");
constexpr ControlId RoomTemperature = Named(Controls, "Label10");
constexpr ControlId RunningHoursCaption = Named(Controls, "Label2");
constexpr ControlId RunningHours = Named(Controls, "Label11");
constexpr ControlId VolumeCaption = Named(Controls, "Label19");
constexpr ControlId Volume = Named(Controls, "Label20");
constexpr ControlId LoadedMassCaption = Named(Controls, "Label21");
constexpr ControlId LoadedMass = Named(Controls, "Label22");
constexpr ControlId WallLoadCaption = Named(Controls, "Label3");
constexpr ControlId WallLoad = Named(Controls, "Label12");
constexpr ControlId ProductLoadCaption = Named(Controls, "Label4");
constexpr ControlId ProductLoad = Named(Controls, "Label13");
constexpr ControlId RespirationLoadCaption = Named(Controls, "Label9");
constexpr ControlId RespirationLoad = Named(Controls, "Label34");
constexpr ControlId InfiltrationLoadCaption = Named(Controls, "Label5");
constexpr ControlId InfiltrationLoad = Named(Controls, "Label14");
constexpr ControlId LightingLoadCaption = Named(Controls, "Label6");
constexpr ControlId LightingLoad = Named(Controls, "Label15");
constexpr ControlId PeopleLoadCaption = Named(Controls, "Label7");
constexpr ControlId PeopleLoad = Named(Controls, "Label16");
constexpr ControlId FanLoadCaption = Named(Controls, "Label8");
constexpr ControlId FanLoad = Named(Controls, "Label17");
constexpr ControlId SafetyFactorCaption = Named(Controls, "Label18");
constexpr ControlId SafetyFactor = Named(Controls, "Label33");
constexpr ControlId TotalCaption = Named(Controls, "Label23");
constexpr ControlId Total = Named(Controls, "Label24");
constexpr ControlId CompressorCountCaption = Named(Controls, "Label25");
constexpr ControlId CompressorCount = Named(Controls, "Label28");
constexpr ControlId HorsepowerCaption = Named(Controls, "Label26");
constexpr ControlId Horsepower = Named(Controls, "Label29");
constexpr ControlId ModelCaption = Named(Controls, "Label27");
constexpr ControlId Model = Named(Controls, "Label30");
constexpr ControlId ConditionNote = Named(Controls, "Label31");
constexpr ControlId TemperatureNote = Named(Controls, "Label32");

constexpr SheetRow Rows[] = {
    {RoomTemperatureCaption, RoomTemperature},
    {RunningHoursCaption, RunningHours},
    {VolumeCaption, Volume},
    {LoadedMassCaption, LoadedMass},
    {WallLoadCaption, WallLoad},
    {ProductLoadCaption, ProductLoad},
    {RespirationLoadCaption, RespirationLoad},
    {InfiltrationLoadCaption, InfiltrationLoad},
    {LightingLoadCaption, LightingLoad},
    {PeopleLoadCaption, PeopleLoad},
    {FanLoadCaption, FanLoad},
    {SafetyFactorCaption, SafetyFactor},
    {TotalCaption, Total},
    {CompressorCountCaption, CompressorCount},
    {HorsepowerCaption, Horsepower},
    {ModelCaption, Model},
};
constexpr ControlId Notes[] = {ConditionNote, TemperatureNote};

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
    return {bar(WallLoadCaption, shown_.WallLoad, WallLoad),
            bar(ProductLoadCaption, shown_.ProductLoad, ProductLoad),
            bar(RespirationLoadCaption, shown_.RespirationLoad, RespirationLoad),
            bar(InfiltrationLoadCaption, shown_.InfiltrationLoad, InfiltrationLoad),
            bar(LightingLoadCaption, shown_.LightingLoad, LightingLoad),
            bar(PeopleLoadCaption, shown_.PeopleLoad, PeopleLoad),
            bar(SafetyFactorCaption, shown_.SafetyFactor, SafetyFactor)};
}

void TForm3::ShowResults(const ColdRoom::ColdRoomResult& result)
{
    View& sheet = Window();
    shown_ = result;
    sheet.SetText(RoomTemperature, ResultLine(IntText(result.RoomTemperature), Celsius));
    sheet.SetText(RunningHours, ResultLine(IntText(result.RunningHours), Hours));
    sheet.SetText(Volume, ResultLine(IntText(result.Volume), CubicMetres));
    sheet.SetText(LoadedMass, ResultLine(IntText(result.LoadedMass), Kilograms));
    sheet.SetText(WallLoad, WattsLine(result.WallLoad));
    sheet.SetText(ProductLoad, WattsLine(result.ProductLoad));
    sheet.SetText(RespirationLoad, WattsLine(result.RespirationLoad));
    sheet.SetText(InfiltrationLoad, WattsLine(result.InfiltrationLoad));
    sheet.SetText(LightingLoad, WattsLine(result.LightingLoad));
    sheet.SetText(PeopleLoad, WattsLine(result.PeopleLoad));
    sheet.SetText(SafetyFactor, WattsLine(result.SafetyFactor));
    sheet.SetText(Total, WattsLine(result.Total));
    if (!result.HasCompressorTable) return;
    sheet.SetText(CompressorCount, ResultLine(IntText(result.Compressor.Count), Units));
    sheet.SetText(Horsepower,
                  ResultLine(FloatText(result.Compressor.Horsepower, sheet.DecimalSeparator()), result.HorsepowerUnit));
    sheet.SetText(Model, std::string(Maker) + std::string(result.Compressor.ModelCode));
    sheet.SetText(ConditionNote, result.ConditionNote);
    sheet.SetText(TemperatureNote, result.TemperatureNote);
}
