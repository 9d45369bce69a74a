// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A result sheet's printed report laid out once, for every face to draw: the paper and the
// part of it the report stands in, and on each page every text run with what it is, its type,
// its direction and its box, the rules and the chart's bars as rectangles. Positions and
// sizes are pixels at 96 per inch from the paper's top-left corner, as the windows'
// descriptions are; a face scales them to its printer.
//
// Only a face knows how wide its shaping sets a text, so the layout asks the face to measure
// each run, and places it by what the face will draw: the caption column as wide as its widest
// caption, each value beside it, each bar as long as the room its value leaves. A run that
// would not fit its room is set smaller until it does, never cut, since a number cut short
// reads as another number.

#include "Description.h"
#include "Report.h"
#include "SolarDate.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Shell {

/// A rectangle on the paper.
struct PageBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

/// A sheet of paper and the part of it a printer can mark.
struct Paper {
    double width = 0;
    double height = 0;
    PageBox printable;
};

/// A4, all of it printable: the paper of a PDF file.
inline constexpr Paper A4 = {793.7, 1122.5, {0, 0, 793.7, 1122.5}};

/// What a run of text is, in the order the report reads.
enum class RunRole : std::uint8_t {
    Heading,       // the sheet's caption and its calculator
    Program,       // the program and its version
    Date,          // the day printed, in the Solar Hijri calendar
    InputCaption,  // an input of the run that filled the sheet
    InputValue,
    RowCaption,  // a row of the sheet
    RowValue,
    Note,
    BarCaption,  // a load of the chart
    BarValue,
};

/// The faces a report is printed in: one for its Persian and its figures, whose letters a PDF
/// maps back to text, and the Latin one of the sheet's notes.
enum class PrintFace : std::uint8_t { Text, Note };

/// What a run is set in: face, character height in pixels, weight and slant, and colour as
/// 0xRRGGBB.
struct PrintType {
    PrintFace face = PrintFace::Text;
    double size = 0;
    bool bold = false;
    bool italic = false;
    std::uint32_t colour = 0x000000;
};

/// One line of text: it stands in its box, which is as wide and as high as the face measured
/// it, and reads from the box's right edge where it reads right to left, else from its left.
struct TextRun {
    RunRole role;
    std::string text;  // as it is drawn (ShownText)
    PrintType type;
    Reading reading;
    PageBox box;
};

/// A filled rectangle: a rule under the inputs, or a load's bar.
struct PageShape {
    PageBox box;
    std::uint32_t colour;  // 0xRRGGBB
};

struct ReportPage {
    std::vector<TextRun> runs;  // in reading order: top to bottom, each line right to left
    std::vector<PageShape> rules;
    std::vector<PageShape> bars;  // the chart's, in the order of its loads
};

struct ReportLayout {
    Paper paper;
    PageBox area;  // where the report stands: inside the paper's margins and its printable part
    SolarDate date;
    std::vector<ReportPage> pages;
};

/// How wide and how high a face sets one line of text in a type, in pixels at 96 per inch:
/// its shaped advance and the height of its font's line.
struct TextExtent {
    double width = 0;
    double height = 0;
};
using TextMeasure = std::function<TextExtent(std::string_view text, const PrintType& type)>;

/// Lays out a report dated `date` on pages of `paper`, measured by `measure`.
ReportLayout LayOutReport(const ReportContent& content, CivilDate date, const Paper& paper, const TextMeasure& measure);

}  // namespace Shell
