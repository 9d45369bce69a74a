// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

ProgramWindows::ProgramWindows(Shell::Face& face, Building building) : face_(face), form1_(face)
{
    Form1 = &form1_;
    if (building == Building::AllAtOnce) {
        BuildTheRest();
        return;
    }
    Shell::Form::BeforeAnyHandler([this] { BuildTheRest(); });
    face.AfterFirstPaint(form1_.Window(), [this] { BuildTheRest(); });
}

void ProgramWindows::BuildTheRest()
{
    if (form2_) return;
    Shell::Form::BeforeAnyHandler({});
    Form2 = &form2_.emplace(face_);
    Form3 = &form3_.emplace(face_);
    Form4 = &form4_.emplace(face_);
    Form5 = &form5_.emplace(face_);
    form3_->NameReport(ColdRoomCalculator, ProgramTitle);
    form5_->NameReport(IceBankCalculator, ProgramTitle);
}

ProgramWindows::~ProgramWindows()
{
    Shell::Form::BeforeAnyHandler({});
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
}
