#include "Unit3.h"

#include <QFrame>
#include <QLabel>

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

const QString Celsius = QStringLiteral("درجه سانتيگراد");
const QString Hours = QStringLiteral("ساعت");
const QString CubicMetres = QStringLiteral("مترمکعب");
const QString Kilograms = QStringLiteral("کيلوگرم");
const QString Watts = QStringLiteral("وات");
const QString Units = QStringLiteral("دستگاه");
const QString Maker = QStringLiteral("Bitzer  ");

QString WattsLine(std::int64_t watts) { return Shell::ResultLine(Shell::IntText(watts), Watts); }

}  // namespace

TForm3::TForm3(QWidget* parent)
    : Shell::ResultSheet(QStringLiteral("نتيجه محاسبات"), {508, 684}, {16, 624, 121, 49}, parent)
{
    setObjectName(QStringLiteral("Form3"));
    CreateControls();
}

void TForm3::CreateControls()
{
    const QFont sheetFont = Shell::MakeFont(Shell::FaceMorvarid, 19);
    const auto caption = [&](const char* name, const QString& text, int top, const QColor& colour = Shell::Red) {
        return Shell::MakeLabel(this, name, text, {272, top, 200, 32}, sheetFont, colour, true);
    };
    const auto value = [&](const char* name, int top, int height = 27) {
        return Shell::MakeLabel(this, name, QString(), {27, top, 235, height}, sheetFont, Shell::Black, true);
    };

    Label1 = caption("Label1", QStringLiteral("دماي سالن"), 15);
    Label10 = value("Label10", 15, 32);
    Label2 = caption("Label2", QStringLiteral("مدت زمان کارکرد کمپرسور"), 50);
    Label11 = value("Label11", 50);
    Label19 = caption("Label19", QStringLiteral("حجم سالن"), 85);
    Label20 = value("Label20", 85);
    Label21 = caption("Label21", QStringLiteral("ظرفيت سالن"), 120);
    Label22 = value("Label22", 120);
    Label3 = caption("Label3", QStringLiteral("بار پرت از جداره ها"), 155);
    Label12 = value("Label12", 155);
    Label4 = caption("Label4", QStringLiteral("بار محصول و باکس پالت"), 190);
    Label13 = value("Label13", 190);
    Label9 = caption("Label9", QStringLiteral("بار تنفس"), 225);
    Label34 = value("Label34", 225);
    Label5 = caption("Label5", QStringLiteral("بار نفوذ از درب سالن"), 260);
    Label14 = value("Label14", 260);
    Label6 = caption("Label6", QStringLiteral("بار روشنايي"), 295);
    Label15 = value("Label15", 295);
    Label7 = caption("Label7", QStringLiteral("بار نفرات"), 330);
    Label16 = value("Label16", 330);
    Label8 = caption("Label8", QStringLiteral("بار فن اواپراتور"), 361);
    Label17 = value("Label17", 365);
    Label17->setText(QStringLiteral("-"));
    Label18 = caption("Label18", QStringLiteral("ضريب اطمينان"), 400);
    Label33 = value("Label33", 400);
    Label23 = caption("Label23", QStringLiteral("مجموع کل بارها"), 439);
    Label24 = value("Label24", 439);
    Label25 = caption("Label25", QStringLiteral("تعداد کمپرسور"), 486, Shell::Maroon);
    Label28 = value("Label28", 486);
    Label26 = caption("Label26", QStringLiteral("قدرت کمپرسور"), 526, Shell::Maroon);
    Label29 = value("Label29", 526);
    Label27 = caption("Label27", QStringLiteral("مدل کمپرسور"), 566, Shell::Maroon);
    // The model code is Latin text and reads left to right.
    Label30 = Shell::MakeLabel(this, "Label30", QString(), {27, 566, 235, 27},
                               Shell::MakeFont(Shell::FaceComic, 21), Shell::Black, true, false);

    const QFont noteFont = Shell::MakeFont(Shell::FaceArial, 16, false, true);
    Label31 = Shell::MakeLabel(this, "Label31", QString(), {256, 624, 241, 24}, noteFont, Shell::Black, false, false);
    Label32 = Shell::MakeLabel(this, "Label32", QString(), {256, 648, 233, 24}, noteFont, Shell::Black, false, false);

    const auto rule = [this](const char* name, int top) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setFrameShape(QFrame::HLine);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setGeometry(26, top, 441, 3);
        return frame;
    };
    Bevel1 = rule("Bevel1", 434);
    Bevel2 = rule("Bevel2", 477);

    SetCopiedRows({{Label1, Label10}, {Label2, Label11}, {Label19, Label20}, {Label21, Label22},
                   {Label3, Label12}, {Label4, Label13}, {Label9, Label34}, {Label5, Label14},
                   {Label6, Label15}, {Label7, Label16}, {Label8, Label17}, {Label18, Label33},
                   {Label23, Label24}, {Label25, Label28}, {Label26, Label29}, {Label27, Label30}},
                  {Label31, Label32});
}

void TForm3::ShowResults(const ColdRoom::ColdRoomResult& result)
{
    Label10->setText(Shell::ResultLine(Shell::IntText(result.RoomTemperature), Celsius));
    Label11->setText(Shell::ResultLine(Shell::IntText(result.RunningHours), Hours));
    Label20->setText(Shell::ResultLine(Shell::IntText(result.Volume), CubicMetres));
    Label22->setText(Shell::ResultLine(Shell::IntText(result.LoadedMass), Kilograms));
    Label12->setText(WattsLine(result.WallLoad));
    Label13->setText(WattsLine(result.ProductLoad));
    Label34->setText(WattsLine(result.RespirationLoad));
    Label14->setText(WattsLine(result.InfiltrationLoad));
    Label15->setText(WattsLine(result.LightingLoad));
    Label16->setText(WattsLine(result.PeopleLoad));
    Label33->setText(WattsLine(result.SafetyFactor));
    Label24->setText(WattsLine(result.Total));
    if (!result.HasCompressorTable) return;
    Label28->setText(Shell::ResultLine(Shell::IntText(result.Compressor.Count), Units));
    Label29->setText(Shell::ResultLine(Shell::FloatText(result.Compressor.Horsepower), QString::fromUtf8(result.HorsepowerUnit)));
    Label30->setText(Maker + QString::fromUtf8(result.Compressor.ModelCode));
    WriteNote(Label31, QString::fromUtf8(result.ConditionNote));
    WriteNote(Label32, QString::fromUtf8(result.TemperatureNote));
}
