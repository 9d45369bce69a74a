// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed report on the Qt face: the shell lays it out on the printer's paper, measured as
// the printer sets its text, and the face draws each page with a painter, text as text and the
// chart as shapes, so that a PDF of it can be searched and stays sharp at any size.

#include "ReportPage.h"  // the shell's: the report laid out once

class QPrinter;

namespace QtFace {

/// The printer's paper and the part of it the printer can mark, in pixels at 96 per inch.
Shell::Paper PaperOf(const QPrinter& printer);

/// Measures a run as `printer` sets it, in pixels at 96 per inch.
Shell::TextMeasure MeasureOn(const QPrinter& printer);

/// Draws every page of `layout` on `printer`, from the paper's corner; false if the printer
/// could not be started or failed.
bool PrintLayout(const Shell::ReportLayout& layout, QPrinter& printer);

}  // namespace QtFace
