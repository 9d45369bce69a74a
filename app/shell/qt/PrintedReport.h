// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed report of a result sheet: a text document titled with the sheet's caption, its
// calculator and the program with its version, dated in the Persian calendar, with the inputs
// of the run, every row of the sheet read right to left, the notes and, for the cold room, a
// bar chart of the loads drawn into the text.

#include "Report.h"  // the shell's: what a sheet hands on

#include <QRectF>
#include <QString>

#include <memory>

class QDate;
class QPainter;
class QPrinter;
class QTextDocument;

namespace QtFace {

/// The chart's height in pixels for its bars.
qreal ChartHeight(const std::vector<Shell::ChartBar>& bars);

/// Draws the chart into `area` (its width, ChartHeight() high): one row per bar, the caption at
/// the right, the bar reaching left from it, the value as the sheet shows it at the bar's end.
void DrawChart(QPainter& painter, const QRectF& area, const std::vector<Shell::ChartBar>& bars);

/// A report's date: in the Solar Hijri calendar, written in Persian.
QString ReportDate(QDate date);

/// The report as a text document dated `date`, its chart (if any) drawn into it.
std::unique_ptr<QTextDocument> MakeReport(const Shell::ReportContent& content, const QString& date);

/// Prints `document` page by page on `printer`; false if the printer could not be started.
bool PrintDocument(QTextDocument& document, QPrinter& printer);

}  // namespace QtFace
