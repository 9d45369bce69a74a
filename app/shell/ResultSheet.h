// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A result sheet: shown modally by its run, centred on every showing, closed by "بازگشت"
// (BitBtn1), Enter or its close box; it keeps its texts until a later run overwrites them,
// and hands them on as a copy or a report.

#include "Form.h"
#include "Report.h"

#include <string>
#include <vector>

namespace Shell {

class ResultSheet : public Form {
public:
    using Form::Form;

    /// Shows the sheet modally over its input window; returns once it is closed.
    void ShowModal();
    /// "بازگشت": closes the sheet.
    void BitBtn1Click();

    /// Keeps the inputs of the run that is filling the sheet, to copy and print them with it.
    void SetInputs(std::vector<ReportLine> inputs);

    /// Names the calculator the sheet belongs to and the program with its version, for the
    /// report to say what it is.
    void NameReport(std::string_view calculator, std::string_view program);

    /// The sheet as plain text: one line per input of the run that filled it, then one per row
    /// as the labels read now, from top to bottom, each the caption, RowSeparator and the value;
    /// then one line per note. Lines end in a line feed.
    std::string SheetText() const;

    /// What a printed report holds: the caption, the calculator and the program, the inputs,
    /// the rows, the notes and the chart.
    ReportContent Report() const;

    /// Between caption and value. With the Persian caption first, a right-to-left mail shows
    /// the line as the sheet does: the caption on the right, its value to the left.
    static constexpr std::string_view RowSeparator = ": ";

protected:
    void Click(ControlId control) override;

    /// The bars of the sheet's load chart: none unless a sheet draws one.
    virtual std::vector<ChartBar> Chart() const { return {}; }

private:
    std::vector<ReportLine> inputs_;
    std::string calculator_;
    std::string program_;
};

}  // namespace Shell
