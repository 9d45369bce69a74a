// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultSheet.h"

#include <utility>

namespace Shell {

void ResultSheet::ShowModal() { Window().ShowModal(); }

void ResultSheet::BitBtn1Click() { Window().CloseModal(); }

void ResultSheet::Click(ControlId control)
{
    // A sheet's only button is its OK-kind "بازگشت".
    if (control->kind == Kind::OkButton) BitBtn1Click();
}

void ResultSheet::SetInputs(std::vector<ReportLine> inputs) { inputs_ = std::move(inputs); }

void ResultSheet::NameReport(std::string_view calculator, std::string_view program)
{
    calculator_ = calculator;
    program_ = program;
}

std::string ResultSheet::SheetText() const
{
    std::string text;
    const ReportContent report = Report();
    for (const std::vector<ReportLine>* lines : {&report.inputs, &report.rows})
        for (const ReportLine& line : *lines) text += line.caption + std::string(RowSeparator) + line.value + '\n';
    for (const std::string& note : report.notes) text += note + '\n';
    return text;
}

ReportContent ResultSheet::Report() const
{
    ReportContent report{std::string(Description().caption), calculator_, program_, inputs_, {}, {}, Chart()};
    for (const SheetRow& row : Description().rows)
        report.rows.push_back({Window().Text(row.caption), Window().Text(row.value)});
    for (ControlId note : Description().notes) report.notes.push_back(Window().Text(note));
    return report;
}

std::string ReportHeading(const ReportContent& report)
{
    return report.calculator.empty() ? report.title : report.title + " - " + report.calculator;
}

std::string ReportTitle(const ReportContent& report)
{
    return report.program.empty() ? ReportHeading(report) : ReportHeading(report) + " - " + report.program;
}

}  // namespace Shell
