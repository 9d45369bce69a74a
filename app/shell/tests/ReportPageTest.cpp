// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report laid out without a toolkit, measured by a stand-in for a face: on every
// paper the report stands 15 mm in from the edges, each run inside that area, above the bottom
// margin and apart from every other, the report reads right to left and top to bottom in its
// order, and the chart's bars are as long as their loads and the room they have.

#include "Shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace Shell;

namespace {

// A face whose every character is 0.55 of its type's size wide, and whose lines are 1.25 of
// it high.
TextExtent Measure(std::string_view text, const PrintType& type)
{
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return {0.55 * type.size * double(characters), 1.25 * type.size};
}

// A cold room's report as its sheet hands it on: 11 inputs, 16 rows, 2 notes and the chart of
// the worked example's loads (10 x 5 x 3 m, 1000 kg of chicken).
ReportContent ColdRoom()
{
    ReportContent content{"نتيجه محاسبات", "محاسبات مربوط به سردخانه", "program 2.0", {}, {}, {}, {}};
    for (int i = 1; i <= 11; ++i) content.inputs.push_back({"input " + std::to_string(i), std::to_string(i * 7)});
    for (int i = 1; i <= 16; ++i) content.rows.push_back({"row " + std::to_string(i), std::to_string(-i) + "  وات"});
    content.notes = {"R22    ,   DT = 10C", "Evap. temp = -8C   Cond. temp = 40C"};
    for (const std::int64_t watts : {1581, 83, 0, 1823, 150, 628, 426})
        content.chart.push_back({"load " + std::to_string(watts), watts, std::to_string(watts) + "  وات"});
    return content;
}

bool Overlap(const PageBox& a, const PageBox& b)
{
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Inside(const PageBox& inner, const PageBox& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

// Every text of the report, as drawn, in the order it is read.
std::vector<std::string> ReadingOrder(const ReportContent& content, CivilDate date)
{
    std::vector<std::string> texts{ReportHeading(content), content.program, SolarDateText(ToSolarDate(date))};
    for (const std::vector<ReportLine>* lines : {&content.inputs, &content.rows})
        for (const ReportLine& line : *lines) {
            texts.push_back(line.caption);
            texts.push_back(ShownText(line.value));
        }
    for (const std::string& note : content.notes) texts.push_back(ShownText(note));
    for (const ChartBar& bar : content.chart) {
        texts.push_back(bar.caption);
        texts.push_back(ShownText(bar.shown));
    }
    return texts;
}

}  // namespace

TEST(LayOutReport, EveryRunStandsInsideTheAreaApartAndInReadingOrder)
{
    // A value far wider than the page is set smaller rather than cut.
    ReportContent wide = ColdRoom();
    wide.rows[3].value = std::string(300, '8');
    const Paper letter = {816, 1056, {0, 0, 816, 1056}};
    // A printer that cannot mark the paper's outer 20 mm.
    const Paper a4Printer = {A4.width, A4.height, {75.6, 75.6, A4.width - 151.2, A4.height - 151.2}};
    const Paper a5 = {559.4, 793.7, {0, 0, 559.4, 793.7}};
    // The report stands 15 mm (56.69 px) in from every edge of the paper, or inside the
    // printable part where that is narrower: A4 is 793.7 - 2 x 56.69 = 680.31 px wide.
    struct Case {
        Paper paper;
        PageBox area;
    };
    const Case cases[] = {
        {A4, {56.69, 56.69, 680.31, 1009.11}},
        {letter, {56.69, 56.69, 702.61, 942.61}},
        {a4Printer, {75.6, 75.6, 642.5, 971.3}},
        {a5, {56.69, 56.69, 446.01, 680.31}},
    };
    const CivilDate date = {2026, 12, 9};
    for (const auto& [paper, area] : cases)
        for (const ReportContent& content : {ColdRoom(), wide}) {
            const ReportLayout layout = LayOutReport(content, date, paper, Measure);
            SCOPED_TRACE(paper.width);
            EXPECT_NEAR(layout.area.left, area.left, 0.05);
            EXPECT_NEAR(layout.area.top, area.top, 0.05);
            EXPECT_NEAR(layout.area.width, area.width, 0.05);
            EXPECT_NEAR(layout.area.height, area.height, 0.05);
            std::vector<std::string> texts;
            for (const ReportPage& page : layout.pages) {
                for (std::size_t i = 0; i < page.runs.size(); ++i) {
                    const TextRun& run = page.runs[i];
                    texts.push_back(run.text);
                    EXPECT_TRUE(Inside(run.box, layout.area)) << run.text;
                    for (const std::vector<PageShape>* shapes : {&page.bars, &page.rules})
                        for (const PageShape& shape : *shapes) {
                            EXPECT_TRUE(Inside(shape.box, layout.area));
                            EXPECT_FALSE(Overlap(run.box, shape.box)) << run.text;
                        }
                    for (std::size_t j = i + 1; j < page.runs.size(); ++j)
                        EXPECT_FALSE(Overlap(run.box, page.runs[j].box)) << run.text << " / " << page.runs[j].text;
                    // The next run stands on a line below, or on the same line to the left.
                    if (i + 1 < page.runs.size()) {
                        const PageBox& next = page.runs[i + 1].box;
                        EXPECT_TRUE(next.top >= run.box.Bottom() ||
                                    (next.Right() <= run.box.left && next.top < run.box.Bottom()))
                            << run.text << " / " << page.runs[i + 1].text;
                    }
                    EXPECT_EQ(run.reading == Reading::LeftToRight, run.role == RunRole::Note) << run.text;
                }
            }
            EXPECT_EQ(texts, ReadingOrder(content, date));
        }
    // On paper of any height, a line that does not fit whole above the bottom margin goes on
    // to the next page: a page break falls in every line's height within a pixel's steps.
    std::vector<std::string> below;
    for (double height = 400; height <= 1200; ++height) {
        const ReportLayout layout =
            LayOutReport(ColdRoom(), date, {A4.width, height, {0, 0, A4.width, height}}, Measure);
        const auto check = [&](const PageBox& box, const std::string& what) {
            if (box.Bottom() > height - 56.69 + 0.05)
                below.push_back(std::to_string(int(height)) + " px high: " + what);
        };
        for (const ReportPage& page : layout.pages) {
            for (const TextRun& run : page.runs) check(run.box, run.text);
            for (const PageShape& bar : page.bars) check(bar.box, "a bar");
            for (const PageShape& rule : page.rules) check(rule.box, "a rule");
        }
    }
    EXPECT_TRUE(below.empty()) << below.size() << " below the bottom margin, the first on paper " << below.front();
    // The cold room's report fills an A5 page and goes on to a second.
    EXPECT_EQ(LayOutReport(ColdRoom(), date, a5, Measure).pages.size(), 2u);
    EXPECT_EQ(LayOutReport(ColdRoom(), date, A4, Measure).pages.size(), 1u);
}

TEST(LayOutReport, ARunTooWideForItsRoomIsSetSmaller)
{
    ReportContent content = ColdRoom();
    content.rows[3].value = std::string(300, '8');
    const ReportLayout layout = LayOutReport(content, {2026, 12, 9}, A4, Measure);
    const std::vector<TextRun>& runs = layout.pages[0].runs;
    const auto value = std::find_if(runs.begin(), runs.end(), [](const TextRun& run) { return run.text[0] == '8'; });
    ASSERT_NE(value, runs.end());
    EXPECT_LT(value->type.size, runs.back().type.size);
}

// The bars reach left from one edge, each as long against the longest as its load against the
// largest (1823 W), with its value just past its end, on its caption's line; a load of 0 W has
// none.
TEST(LayOutReport, TheChartsBarsAreAsLongAsTheirLoads)
{
    const ReportContent content = ColdRoom();
    const ReportLayout layout = LayOutReport(content, {2026, 12, 9}, A4, Measure);
    const ReportPage& page = layout.pages[0];
    ASSERT_EQ(page.bars.size(), content.chart.size());
    std::vector<const TextRun*> captions;
    std::vector<const TextRun*> values;
    for (const TextRun& run : page.runs) {
        if (run.role == RunRole::BarCaption) captions.push_back(&run);
        if (run.role == RunRole::BarValue) values.push_back(&run);
    }
    const PageBox& longest = page.bars[3].box;
    for (std::size_t i = 0; i < content.chart.size(); ++i) {
        const PageBox& bar = page.bars[i].box;
        EXPECT_NEAR(bar.width * 1823, longest.width * double(content.chart[i].watts), 1e-6) << i;
        EXPECT_DOUBLE_EQ(bar.Right(), longest.Right());
        EXPECT_LE(values[i]->box.Right(), bar.left);
        EXPECT_GE(values[i]->box.Right(), bar.left - 10);
        EXPECT_LE(bar.Right(), captions[i]->box.left);
        EXPECT_NEAR(bar.top + bar.height / 2, captions[i]->box.top + captions[i]->box.height / 2, 1e-6);
    }
    EXPECT_EQ(page.bars[2].box.width, 0);
    // The longest bar fills the room the captions and its value leave. On A4, between the
    // area's edges (56.69 and 737.01 px) stand the captions' column, as wide as "load 1823"
    // (9 characters of 0.55 x 13 px: 64.35 px), the gap of 8 px to the bars, the longest
    // value, as wide as the caption, and its gap of 6 px: 737.01 - 56.69 - 2 x 64.35 - 14 =
    // 537.62 px.
    EXPECT_NEAR(page.bars[3].box.width, 537.62, 0.5);
    EXPECT_NEAR(values[3]->box.left, layout.area.left, 0.5);
}

TEST(LayOutReport, IsDatedInTheSolarHijriCalendar)
{
    const ReportLayout layout = LayOutReport(ColdRoom(), {2026, 12, 9}, A4, Measure);
    EXPECT_EQ(layout.date, (SolarDate{1405, 9, 18, 4}));
    EXPECT_EQ(layout.pages[0].runs[2].role, RunRole::Date);
    EXPECT_EQ(layout.pages[0].runs[2].text, SolarDateText(layout.date));
}
