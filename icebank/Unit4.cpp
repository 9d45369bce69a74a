// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit4.h"

#include "IceBankCalc.h"
#include "Unit5.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

// Edit1: tank volume, litres (digits only, at most 6)
// ComboBox1: coil tube size; its position is the tube size (0 = 5/8, 1 = 3/4, 2 = 7/8 inch)
// ComboBox2: compressor running hours per day
// ComboBox3: inlet water temperature, C
// Label1, Label7: caption and unit of the tank volume
// Label2, Label8: caption and unit of the tube size
// Label3, Label4: caption and unit of the running hours
// Label5, Label6: caption and unit of the inlet temperature
// Button1: Calculate; Button3: Exit
// Image1: banner across the top

TForm4* Form4 = nullptr;

namespace {

const QString Caption = QStringLiteral("محاسبات آيس بانک (فريوني)");
const QString VolumeTooSmall = QStringLiteral("           حجم حوض بايد بيشتر از هزار ليتر باشد          ");

// The lists stand on the same row as Edit1 and as high.
constexpr int RowTop = 256;
constexpr int RowHeight = 41;

}  // namespace

TForm4::TForm4(QWidget* parent) : Shell::InputWindow(parent)
{
    setObjectName(QStringLiteral("Form4"));
    Shell::SetUpWindow(this, Caption, {920, 403});
    CreateControls();
    ConnectEvents();
}

void TForm4::CreateControls()
{
    Image1 = Shell::MakeBanner(this, "Image1", Caption, {0, 8, 920, 149});

    // Captions and units size themselves to their text.
    const QFont labelFont = Shell::MakeFont(Shell::FaceMitra, 19, Shell::FontStyle::Bold);
    const auto label = [&](const char* name, const QString& text, int left, int top) {
        return Shell::MakeLabel(this, name, text, {left, top, 0, 0}, labelFont, Shell::Red);
    };

    Label1 = label("Label1", QStringLiteral("حجم حوض"), 800, 180);
    Label7 = label("Label7", QStringLiteral("(ليتر)"), 824, 213);
    Edit1 = new Shell::NumberEdit(this, "Edit1", 6, {816, RowTop, 65, RowHeight});

    Label2 = label("Label2", QStringLiteral("قطر لوله مسي کويل"), 632, 180);
    Label8 = label("Label8", QStringLiteral("(اينچ)"), 680, 213);
    ComboBox1 = new Shell::FixedList(
        this, "ComboBox1",
        {QStringLiteral("لوله مسي 5/8"), QStringLiteral("لوله مسي 3/4"), QStringLiteral("لوله مسي 7/8")},
        int(IceBank::TubeSizeIndex::SevenEighthsInch), {608, RowTop, 169, RowHeight});

    Label3 = label("Label3", QStringLiteral("مدت زمان کارکرد کمپرسور"), 424, 180);
    Label4 = label("Label4", QStringLiteral("(ساعت)"), 480, 213);
    const QStringList hours = Shell::NumberItems(5, 23);
    ComboBox2 = new Shell::FixedList(this, "ComboBox2", hours, int(hours.indexOf(QStringLiteral("18"))),
                                     {472, RowTop, 73, RowHeight});

    Label5 = label("Label5", QStringLiteral("دماي ورودي آب حوض"), 248, 180);
    Label6 = label("Label6", QStringLiteral("(سانتيگراد)"), 288, 213);
    const QStringList temperatures = Shell::NumberItems(20, 40);
    ComboBox3 = new Shell::FixedList(this, "ComboBox3", temperatures,
                                     int(temperatures.indexOf(QStringLiteral("30"))),
                                     {288, RowTop, 73, RowHeight});

    Button1 = Shell::MakeButton(this, "Button1", QStringLiteral("محاسبه"), {176, 328, 105, 57});
    Button3 = Shell::MakeButton(this, "Button3", QStringLiteral("خروج"), {48, 328, 105, 57});

    QWidget* const tabOrder[] = {ComboBox1, Edit1, ComboBox2, Button1, Button3, ComboBox3};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // First in the focus order, so it holds the focus when the window opens.
    ComboBox1->setFocus();

    // Volume, tube size, running hours, inlet temperature.
    CaptionInputs({{Edit1, Label1, Label7}, {ComboBox1, Label2, Label8}, {ComboBox2, Label3, Label4},
                   {ComboBox3, Label5, Label6}});
}

void TForm4::ConnectEvents()
{
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
    Edit1->installEventFilter(this);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return Edit1KeyPress(static_cast<const QKeyEvent&>(*event));
    return Shell::InputWindow::eventFilter(watched, event);
}

bool TForm4::Edit1KeyPress(const QKeyEvent& event) { return Shell::DigitFilterDiscards(event); }

void TForm4::Button1Click()
{
    // A pasted non-number fails its conversion; the general error box reports it and the
    // window goes on.
    Shell::Guarded([this] {
        Edit1->FillEmpty();
        const std::int32_t volume = Shell::StrToInt(Edit1->text());
        if (volume < IceBank::MinimumTankVolume) {
            Shell::ShowError(VolumeTooSmall);
            return;
        }
        // Read in this order: inlet temperature, running hours, then the tube size.
        const IceBank::IceBankInput input{
            .TankVolume = volume,
            .InletTemperature = static_cast<std::uint8_t>(Shell::StrToInt(ComboBox3->currentText())),
            .RunningHours = static_cast<std::uint8_t>(Shell::StrToInt(ComboBox2->currentText())),
            .TubeSize = IceBank::TubeSizeIndex(ComboBox1->currentIndex()),
        };
        Form5->ShowResults(IceBank::ComputeIceBank(input));
        Form5->SetInputs(RunInputs());
        Form5->ShowModal();
    });
}

void TForm4::Button3Click() { Shell::ExitProgram(); }
