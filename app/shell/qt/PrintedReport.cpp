// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedReport.h"

#include "Look.h"
#include "QtText.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace QtFace {

namespace {

constexpr double PointsPerPixel = 72.0 / 96;

// The font of a run's type: the report's Persian face, or the notes' Latin one. Sized in
// points, so that the printer sets and measures it at its own resolution.
QFont FontFor(const Shell::PrintType& type)
{
    QFont font = type.face == Shell::PrintFace::Text ? PrintFont(13) : MakeFont(Shell::Typeface::Arial, 13);
    font.setPointSizeF(type.size * PointsPerPixel);
    font.setBold(type.bold);
    font.setItalic(type.italic);
    return font;
}

// How a line stands in its box: at the edge it reads from, never clipped, as the layout
// measured it.
int LineFlags(Shell::Reading reading)
{
    return (reading == Shell::Reading::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
           Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
}

Qt::LayoutDirection DirectionOf(Shell::Reading reading)
{
    return reading == Shell::Reading::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
}

void DrawPage(QPainter& painter, const Shell::ReportPage& page, double scale)
{
    const auto rect = [scale](const Shell::PageBox& box) {
        return QRectF(box.left * scale, box.top * scale, box.width * scale, box.height * scale);
    };
    for (const std::vector<Shell::PageShape>* shapes : {&page.rules, &page.bars})
        for (const Shell::PageShape& shape : *shapes)
            if (shape.box.width > 0) painter.fillRect(rect(shape.box), QColor(QRgb(shape.colour)));
    for (const Shell::TextRun& run : page.runs) {
        painter.setFont(FontFor(run.type));
        painter.setPen(QColor(QRgb(run.type.colour)));
        // The direction of the line's paragraph, which orders its runs of either direction.
        painter.setLayoutDirection(DirectionOf(run.reading));
        painter.drawText(rect(run.box), LineFlags(run.reading), Qs(run.text));
    }
}

}  // namespace

Shell::Paper PaperOf(const QPrinter& printer)
{
    QPageLayout page = printer.pageLayout();
    page.setUnits(QPageLayout::Point);
    const QRectF paper = page.fullRect();
    const QRectF printable = paper.marginsRemoved(page.minimumMargins());
    const auto pixels = [](qreal points) { return points / PointsPerPixel; };
    return {pixels(paper.width()),
            pixels(paper.height()),
            {pixels(printable.left()), pixels(printable.top()), pixels(printable.width()), pixels(printable.height())}};
}

Shell::TextMeasure MeasureOn(const QPrinter& printer)
{
    const double scale = printer.resolution() / 96.0;
    return [&printer, scale](std::string_view text, const Shell::PrintType& type) {
        const QFontMetricsF metrics(FontFor(type), &printer);
        return Shell::TextExtent{metrics.horizontalAdvance(Qs(text)) / scale, metrics.height() / scale};
    };
}

bool PrintLayout(const Shell::ReportLayout& layout, QPrinter& printer)
{
    // The layout places the report from the paper's corner, inside the part the printer marks.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = printer.resolution() / 96.0;
    for (std::size_t number = 0; number < layout.pages.size(); ++number) {
        if (number > 0 && !printer.newPage()) return false;
        DrawPage(painter, layout.pages[number], scale);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace QtFace
