// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include "Unit2.h"
#include "Unit4.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

// RadioButton1: ice-bank calculator; RadioButton2: cold-store calculator.
// Label1 to Label3: the program's name and a request for suggestions;
// Label4 to Label7: what the program is for and how to report a fault.

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : Shell::MainDialog(parent)
{
    Shell::SetUpWindow(this, Shell::ProgramTitle, {378, 542});
    CreateControls();
    ConnectEvents();
}

void TForm1::CreateControls()
{
    const auto option = [this](const char* name, const QString& text, const QRect& geometry) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(geometry);
        button->setFont(Shell::MakeFont(Shell::FaceMorvarid, 24));
        QPalette palette = button->palette();
        palette.setColor(QPalette::WindowText, Shell::Red);
        button->setPalette(palette);
        // The caption stands to the left of the button.
        button->setLayoutDirection(Qt::RightToLeft);
        return button;
    };
    RadioButton1 = option("RadioButton1", QStringLiteral("محاسبات مربوط به آيس بانک"), {56, 32, 273, 41});
    RadioButton2 = option("RadioButton2", QStringLiteral("محاسبات مربوط به سردخانه"), {72, 88, 257, 41});
    auto* group = new QButtonGroup(this);
    group->addButton(RadioButton1);
    group->addButton(RadioButton2);
    RadioButton2->setChecked(true);

    BitBtn1 = Shell::MakeButton(this, "BitBtn1", QStringLiteral("ادامه"), {128, 160, 137, 41});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);

    const QFont lineFont = Shell::MakeFont(Shell::FaceMitra, 21);
    const auto line = [&](const char* name, const QString& text, int left, int top) {
        return Shell::MakePlainLabel(this, name, text, {left, top, 337, 33}, lineFont, Shell::Alignment::Centred);
    };
    Label1 = line("Label1", QStringLiteral("برنامه محاسبات بار برودتي نسخه 2.0"), 24, 226);
    Label2 = line("Label2", QStringLiteral("با پيشنهادات و انتقادات خود ما را در ارتقاء روند اين برنامه"), 24, 266);
    Label3 = line("Label3", QStringLiteral("ياري فرماييد"), 24, 306);
    Label4 = line("Label4", QStringLiteral("محاسبه بار برودتي سردخانه و آيس بانک"), 32, 360);
    Label5 = line("Label5", QStringLiteral("براي تاسيسات تبريد فريوني (R22)"), 32, 400);
    Label6 = line("Label6", QStringLiteral("نسخه 2.0"), 32, 440);
    Label7 = line("Label7", QStringLiteral("اشکالات را به پشتيباني نرم افزار گزارش دهيد"), 32, 480);

    // Continue comes first, so it holds the focus when the dialog opens.
    setTabOrder(BitBtn1, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    BitBtn1->setFocus();
}

void TForm1::ConnectEvents()
{
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
}

void TForm1::BitBtn1Click()
{
    if (RadioButton2->isChecked()) {
        hide();
        Form2->show();
        Form2->raise();
        Form2->activateWindow();
    }
    if (RadioButton1->isChecked()) {
        hide();
        Form4->show();
        Form4->raise();
        Form4->activateWindow();
    }
}
