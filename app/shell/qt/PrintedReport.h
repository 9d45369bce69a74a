// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed report of a result sheet: a text document with the sheet's caption, the date,
// the inputs of the run, every row of the sheet read right to left, the notes and, for the
// cold room, a bar chart of the loads.

#include "Report.h"  // the shell's: what a sheet hands on

#include <QImage>
#include <QString>

#include <memory>

class QPrinter;
class QTextDocument;

namespace QtFace {

/// The chart as a picture `width` pixels wide, drawn for `pixelRatio`: one row per bar, the
/// caption at the right, the bar reaching left from it, the watts at the bar's end.
QImage DrawChart(const std::vector<Shell::ChartBar>& bars, int width, qreal pixelRatio);

/// The report as a text document dated `date`, its chart (if any) an image in it.
std::unique_ptr<QTextDocument> MakeReport(const Shell::ReportContent& content, const QString& date);

/// Prints `document` page by page on `printer`; false if the printer could not be started.
bool PrintDocument(QTextDocument& document, QPrinter& printer);

}  // namespace QtFace
