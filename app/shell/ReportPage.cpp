// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPage.h"

#include "FieldText.h"

#include <algorithm>
#include <utility>

namespace Shell {

namespace {

constexpr double Margin = 56.7;  // 15 mm on every side
constexpr double BodySize = 13;
constexpr double HeadingSize = 22;
constexpr double LineGap = 3;     // between the lines of a table
constexpr double ColumnGap = 24;  // between a value and its caption
constexpr double BlockGap = 14;   // between the heading, the tables, the notes and the chart
constexpr double BarRow = 30;     // a line of the chart
constexpr double BarHeight = 18;
constexpr double BarGap = 8;    // between a bar and its caption
constexpr double ValueGap = 6;  // between the end of a bar and its value
constexpr std::uint32_t CaptionColour = 0x800000;
constexpr std::uint32_t RuleColour = 0xA0A0A0;
constexpr std::uint32_t BarColour = 0x2E75B6;

constexpr PrintType Body = {PrintFace::Text, BodySize, false, false, 0x000000};

PageBox Area(const Paper& paper)
{
    const PageBox& printable = paper.printable;
    const double left = std::max(Margin, printable.left);
    const double top = std::max(Margin, printable.top);
    const double right = std::min(paper.width - Margin, printable.Right());
    const double bottom = std::min(paper.height - Margin, printable.Bottom());
    return {left, top, std::max(0.0, right - left), std::max(0.0, bottom - top)};
}

// The report's lines placed one under the other, each on a new page where the last has no
// room left for it.
class Flow {
public:
    Flow(ReportLayout& layout, const TextMeasure& measure) : layout_(layout), measure_(measure) { NewPage(); }

    /// A run of `text` in `type`, as wide and high as the face sets it: in a smaller size
    /// where it would be wider than `room`. Its place is for the caller to give.
    TextRun Run(RunRole role, std::string text, PrintType type, Reading reading, double room) const
    {
        TextExtent extent = measure_(text, type);
        for (int tries = 0; extent.width > room && tries < 8; ++tries) {
            type.size *= room / extent.width * 0.98;
            extent = measure_(text, type);
        }
        return {role, std::move(text), type, reading, {0, 0, extent.width, extent.height}};
    }

    /// Puts one line of runs, placed across the page by the caller, under the last one, each
    /// run centred in the line's height; returns the line's top.
    double Line(std::vector<TextRun> runs, double minimumHeight = 0)
    {
        double height = minimumHeight;
        for (const TextRun& run : runs) height = std::max(height, run.box.height);
        MakeRoom(height);
        const double top = y_;
        for (TextRun& run : runs) {
            run.box.top = top + (height - run.box.height) / 2;
            Page().runs.push_back(std::move(run));
        }
        y_ += height + LineGap;
        return top;
    }

    void Skip(double height) { y_ += height; }

    void Rule()
    {
        MakeRoom(2 * BlockGap);
        Page().rules.push_back({{Area().left, y_ + BlockGap / 2, Area().width, 1}, RuleColour});
        y_ += BlockGap;
    }

    ReportPage& Page() { return layout_.pages.back(); }
    const PageBox& Area() const { return layout_.area; }

private:
    void NewPage()
    {
        layout_.pages.emplace_back();
        y_ = Area().top;
    }

    void MakeRoom(double height)
    {
        if (y_ + height > Area().Bottom() && !Page().runs.empty()) NewPage();
    }

    ReportLayout& layout_;
    const TextMeasure& measure_;
    double y_ = 0;
};

// The inputs and the rows as the sheet shows them: each caption at the right, in a column as
// wide as the widest caption of both tables, its value right of the column's edge after a gap.
void Tables(Flow& flow, const ReportContent& content)
{
    const PageBox area = flow.Area();
    const PrintType caption = {PrintFace::Text, BodySize, false, false, CaptionColour};
    const double captionRoom = area.width / 2 - ColumnGap / 2;
    double captionWidth = 0;
    for (const std::vector<ReportLine>* lines : {&content.inputs, &content.rows})
        for (const ReportLine& line : *lines)
            captionWidth = std::max(
                captionWidth,
                flow.Run(RunRole::RowCaption, line.caption, caption, Reading::RightToLeft, captionRoom).box.width);
    const double valueRight = area.Right() - captionWidth - ColumnGap;
    const auto table = [&](const std::vector<ReportLine>& lines, RunRole captionRole, RunRole valueRole) {
        for (const ReportLine& line : lines) {
            TextRun name = flow.Run(captionRole, line.caption, caption, Reading::RightToLeft, captionRoom);
            name.box.left = area.Right() - name.box.width;
            TextRun value =
                flow.Run(valueRole, ShownText(line.value), Body, Reading::RightToLeft, valueRight - area.left);
            value.box.left = valueRight - value.box.width;
            flow.Line({std::move(name), std::move(value)});
        }
    };
    if (!content.inputs.empty()) {
        table(content.inputs, RunRole::InputCaption, RunRole::InputValue);
        flow.Rule();
    }
    table(content.rows, RunRole::RowCaption, RunRole::RowValue);
}

// The loads as bars: each caption at the right, its bar reaching left from the captions'
// column, as long against the room left for the bars as its load against the largest, and its
// value as the sheet shows it at the bar's end.
void Chart(Flow& flow, const std::vector<ChartBar>& bars)
{
    const PageBox area = flow.Area();
    std::vector<TextRun> captions;
    std::vector<TextRun> values;
    double captionWidth = 0;
    double valueWidth = 0;
    std::int64_t largest = 0;
    for (const ChartBar& bar : bars) {
        captions.push_back(flow.Run(RunRole::BarCaption, bar.caption, Body, Reading::RightToLeft, area.width * 0.4));
        values.push_back(
            flow.Run(RunRole::BarValue, ShownText(bar.shown), Body, Reading::RightToLeft, area.width * 0.3));
        captionWidth = std::max(captionWidth, captions.back().box.width);
        valueWidth = std::max(valueWidth, values.back().box.width);
        largest = std::max(largest, bar.watts);
    }
    const double barRight = area.Right() - captionWidth - BarGap;
    const double full = std::max(0.0, barRight - area.left - valueWidth - ValueGap);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const double length = bars[i].watts > 0 ? full * double(bars[i].watts) / double(largest) : 0;
        captions[i].box.left = area.Right() - captions[i].box.width;
        values[i].box.left = barRight - length - ValueGap - values[i].box.width;
        const double top = flow.Line({std::move(captions[i]), std::move(values[i])}, BarRow);
        flow.Page().bars.push_back({{barRight - length, top + (BarRow - BarHeight) / 2, length, BarHeight}, BarColour});
    }
}

}  // namespace

ReportLayout LayOutReport(const ReportContent& content, CivilDate date, const Paper& paper, const TextMeasure& measure)
{
    ReportLayout layout{paper, Area(paper), ToSolarDate(date), {}};
    Flow flow(layout, measure);
    const PageBox area = layout.area;
    // Right to left, each line from the right edge.
    const auto line = [&](RunRole role, std::string text, PrintType type) {
        TextRun run = flow.Run(role, std::move(text), type, Reading::RightToLeft, area.width);
        run.box.left = area.Right() - run.box.width;
        flow.Line({std::move(run)});
    };
    line(RunRole::Heading, ReportHeading(content), {PrintFace::Text, HeadingSize, true, false, 0x000000});
    flow.Skip(BlockGap / 2);
    if (!content.program.empty()) line(RunRole::Program, content.program, Body);
    line(RunRole::Date, SolarDateText(layout.date), Body);
    flow.Skip(BlockGap);
    Tables(flow, content);
    // The notes are Latin, left to right from the left edge, as the sheet writes them.
    flow.Skip(BlockGap);
    for (const std::string& note : content.notes) {
        TextRun run = flow.Run(RunRole::Note, ShownText(note), {PrintFace::Note, BodySize, false, true, 0x000000},
                               Reading::LeftToRight, area.width);
        run.box.left = area.left;
        flow.Line({std::move(run)});
    }
    if (!content.chart.empty()) {
        flow.Skip(BlockGap);
        Chart(flow, content.chart);
    }
    return layout;
}

}  // namespace Shell
