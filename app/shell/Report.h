// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a result sheet hands on, in a copy or a printed report: the inputs of the run that
// filled it, its rows as they read, its notes and, for the cold room, the loads for a chart.

#include <cstdint>
#include <string>
#include <vector>

namespace Shell {

/// A caption and its value as the window or the sheet showed them.
struct ReportLine {
    std::string caption;
    std::string value;
    friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

/// One bar of a load chart: the load's caption, its watts and its value as the sheet shows it.
struct ChartBar {
    std::string caption;
    std::int64_t watts = 0;
    std::string shown;
};

struct ReportContent {
    std::string title;               // the sheet's caption
    std::string calculator;          // the calculator the sheet belongs to
    std::string program;             // the program's title with its version
    std::vector<ReportLine> inputs;  // of the run that filled the sheet
    std::vector<ReportLine> rows;    // top to bottom
    std::vector<std::string> notes;
    std::vector<ChartBar> chart;  // none for a sheet without a chart
};

/// What a report is, for its heading: the sheet's caption and the calculator, after a dash.
std::string ReportHeading(const ReportContent& report);

/// What a report is, for a PDF's title: the heading and the program with its version.
std::string ReportTitle(const ReportContent& report);

}  // namespace Shell
