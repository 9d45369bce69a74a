// SPDX-License-Identifier: GPL-3.0-or-later
// A result sheet's report printed from the page: laid out once by the shell on A4, each run
// measured as the page sets it, drawn into a part of the page that only a printout shows, and
// handed to the browser's own print dialog, which prints it or saves it as a PDF.

#include "ReportPage.h"
#include "Window.h"

#include <emscripten.h>

namespace WebFace {

namespace {

EM_JS(void, JsMeasureRun, (const char* text, const char* font, double* extent), {
    const[width, height] = WebFace.measureRun(UTF8ToString(text), UTF8ToString(font));
    HEAPF64[extent >> 3] = width;
    HEAPF64[(extent >> 3) + 1] = height;
});
EM_JS(int, JsToday, (), {
    const today = new Date();
    return today.getFullYear() * 10000 + (today.getMonth() + 1) * 100 + today.getDate();
});
EM_JS(void, JsStartReport, (const char* title, double width, double height),
      { WebFace.startReport(UTF8ToString(title), width, height); });
EM_JS(void, JsReportPage, (), { WebFace.reportPage(); });
EM_JS(void, JsReportShape, (double left, double top, double width, double height, int colour),
      { WebFace.reportShape(left, top, width, height, colour); });
EM_JS(void, JsReportRun,
      (const char* text, const char* font, int colour, int rightToLeft, double left, double top, double width,
       double height),
      { WebFace.reportRun(UTF8ToString(text), UTF8ToString(font), colour, !!rightToLeft, left, top, width, height); });
EM_JS(void, JsPrintReport, (), { WebFace.printReport(); });

// The report's faces: its Persian and its figures in the page's own Persian face, its notes in
// the Latin one the sheet writes them in.
std::string FontOf(const Shell::PrintType& type)
{
    std::string font;
    if (type.italic) font += "italic ";
    if (type.bold) font += "bold ";
    font += std::to_string(type.size) + "px ";
    return font + (type.face == Shell::PrintFace::Text ? "Nazli, sans-serif" : "Arial, sans-serif");
}

}  // namespace

void PrintReport(const Shell::ReportContent& content)
{
    const int today = JsToday();
    const Shell::ReportLayout layout =
        Shell::LayOutReport(content, {today / 10000, today / 100 % 100, today % 100}, Shell::A4,
                            [](std::string_view text, const Shell::PrintType& type) {
                                double extent[2] = {};
                                JsMeasureRun(std::string(text).c_str(), FontOf(type).c_str(), extent);
                                return Shell::TextExtent{extent[0], extent[1]};
                            });
    JsStartReport(Shell::ReportTitle(content).c_str(), layout.paper.width, layout.paper.height);
    for (const Shell::ReportPage& page : layout.pages) {
        JsReportPage();
        for (const std::vector<Shell::PageShape>* shapes : {&page.rules, &page.bars})
            for (const Shell::PageShape& shape : *shapes)
                JsReportShape(shape.box.left, shape.box.top, shape.box.width, shape.box.height, int(shape.colour));
        for (const Shell::TextRun& run : page.runs)
            JsReportRun(run.text.c_str(), FontOf(run.type).c_str(), int(run.type.colour),
                        run.reading == Shell::Reading::RightToLeft, run.box.left, run.box.top, run.box.width,
                        run.box.height);
    }
    JsPrintReport();
}

}  // namespace WebFace
