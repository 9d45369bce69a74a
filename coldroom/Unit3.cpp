// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Captions 200 x 32 at left 272; values 235 x 27 at left 27, beside their caption.
    const auto row = [&](QLabel*& caption, const char* captionName, const QString& text, QLabel*& value,
                         const char* valueName, int top, const QColor& colour = Shell::Red, int valueTop = 0,
                         int valueHeight = 27) {
        AddRow(caption, captionName, text, {272, top, 200, 32}, colour, value, valueName,
               {27, valueTop ? valueTop : top, 235, valueHeight});
    };

    row(Label1, "Label1", QStringLiteral("دماي سالن"), Label10, "Label10", 15, Shell::Red, 15, 32);
    row(Label2, "Label2", QStringLiteral("مدت زمان کارکرد کمپرسور"), Label11, "Label11", 50);
    row(Label19, "Label19", QStringLiteral("حجم سالن"), Label20, "Label20", 85);
    row(Label21, "Label21", QStringLiteral("ظرفيت سالن"), Label22, "Label22", 120);
    row(Label3, "Label3", QStringLiteral("بار پرت از جداره ها"), Label12, "Label12", 155);
    row(Label4, "Label4", QStringLiteral("بار محصول و باکس پالت"), Label13, "Label13", 190);
    row(Label9, "Label9", QStringLiteral("بار تنفس"), Label34, "Label34", 225);
    row(Label5, "Label5", QStringLiteral("بار نفوذ از درب سالن"), Label14, "Label14", 260);
    row(Label6, "Label6", QStringLiteral("بار روشنايي"), Label15, "Label15", 295);
    row(Label7, "Label7", QStringLiteral("بار نفرات"), Label16, "Label16", 330);
    row(Label8, "Label8", QStringLiteral("بار فن اواپراتور"), Label17, "Label17", 361, Shell::Red, 365);
    // The evaporator fan is never calculated: its row always reads "-".
    Label17->setText(QStringLiteral("-"));
    row(Label18, "Label18", QStringLiteral("ضريب اطمينان"), Label33, "Label33", 400);
    row(Label23, "Label23", QStringLiteral("مجموع کل بارها"), Label24, "Label24", 439);
    row(Label25, "Label25", QStringLiteral("تعداد کمپرسور"), Label28, "Label28", 486, Shell::Maroon);
    row(Label26, "Label26", QStringLiteral("قدرت کمپرسور"), Label29, "Label29", 526, Shell::Maroon);
    // The model code is Latin text and reads left to right.
    AddRow(Label27, "Label27", QStringLiteral("مدل کمپرسور"), {272, 566, 200, 32}, Shell::Maroon, Label30, "Label30",
           {27, 566, 235, 27}, Shell::MakeFont(Shell::FaceComic, 21), Shell::Reading::LeftToRight);

    const QFont noteFont = Shell::MakeFont(Shell::FaceArial, 16, Shell::FontStyle::Italic);
    Label31 = AddNote("Label31", {256, 624, 241, 24}, noteFont);
    Label32 = AddNote("Label32", {256, 648, 233, 24}, noteFont);

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
}

QList<Shell::ChartBar> TForm3::LoadChart() const
{
    return {{Label3->text(), shown_.WallLoad},        {Label4->text(), shown_.ProductLoad},
            {Label9->text(), shown_.RespirationLoad}, {Label5->text(), shown_.InfiltrationLoad},
            {Label6->text(), shown_.LightingLoad},    {Label7->text(), shown_.PeopleLoad},
            {Label18->text(), shown_.SafetyFactor}};
}

void TForm3::ShowResults(const ColdRoom::ColdRoomResult& result)
{
    shown_ = result;
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
