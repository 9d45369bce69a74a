// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed report of a result sheet: a text document with the window's caption, the date,
// the inputs of the run, every row of the sheet read right to left, the notes and, for the
// cold room, a bar chart of the loads.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class QPrinter;
class QTextDocument;

namespace Shell {

/// One line of a report: a caption and its value as the window or the sheet showed them.
struct ReportLine {
    QString caption;
    QString value;
};

/// One bar of a load chart: the load's caption and its watts.
struct ChartBar {
    QString caption;
    std::int64_t watts = 0;
};

struct ReportContent {
    QString title;            // the sheet's caption
    QString date;             // when it was made, as the user's locale writes a date
    QList<ReportLine> inputs;  // of the run that filled the sheet
    QList<ReportLine> rows;    // top to bottom
    QStringList notes;
    QList<ChartBar> chart;    // none for a sheet without a chart
};

/// The lengths, in pixels, of the chart's bars: the largest load is `full` long, the others
/// to scale (rounded down); loads of 0 W or less have no bar.
QList<int> BarLengths(const QList<ChartBar>& bars, int full);

/// The chart as a picture `width` pixels wide, drawn for `pixelRatio`: one row per bar, the
/// caption at the right, the bar reaching left from it, the watts at the bar's end.
QImage DrawChart(const QList<ChartBar>& bars, int width, qreal pixelRatio);

/// The report as a text document, its chart (if any) an image in it.
std::unique_ptr<QTextDocument> MakeReport(const ReportContent& content);

/// Prints `document` page by page on `printer`; false if the printer could not be started.
bool PrintDocument(QTextDocument& document, QPrinter& printer);

}  // namespace Shell
