// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed report on the Win32 face: the printer chosen in Windows' print dialog, the
// report laid out by the shell on its paper, measured and drawn through the same shaping as
// the windows' texts (Uniscribe, in the windows' Persian face), the chart as filled
// rectangles.

#include "Look.h"
#include "ReportPage.h"  // the shell's: the report laid out once

#include <windows.h>

#include <string_view>

namespace Win32Face {

class Window;

/// How a device's units stand to the report's pixels at 96 per inch: its resolution, and
/// where its origin lies on the paper (a printer's lies at the corner of its printable part).
struct PageDevice {
    unsigned dpiX = 96;
    unsigned dpiY = 96;
    int offsetX = 0;  // device units from the paper's left edge to the origin
    int offsetY = 0;
};

/// A printer's resolution and the corner of its printable part.
PageDevice DeviceOf(HDC printer);

/// A printer's paper and the part of it the printer can mark, in pixels at 96 per inch.
Shell::Paper PaperOf(HDC printer);

/// Measures a run as `dc` sets it, in pixels at 96 per inch.
Shell::TextMeasure MeasureOn(HDC dc, const PageDevice& device);

/// Draws one line of text: DrawLine, or a recorder around it in the tests.
using LineDrawer = void (*)(HDC dc, const RECT& box, std::wstring_view text, HFONT font, COLORREF colour, TextEdge edge,
                            bool rightToLeft);

/// Draws one page of a laid-out report on `dc`: its rules and bars, then each run in its box,
/// from the edge it reads from.
void DrawReportPage(HDC dc, const PageDevice& device, const Shell::ReportPage& page, LineDrawer draw = DrawLine);

/// Prints every page of `layout` on `printer` as one document titled `title`; false where the
/// printer failed.
bool PrintLayout(HDC printer, const Shell::ReportLayout& layout, std::wstring_view title);

/// Ctrl+P and the menu's Print on a result sheet: asks for a printer in Windows' print dialog
/// and prints the sheet's report on it, dated today; a printer that fails, or none to be had,
/// is reported in the error box. Cancelling the dialog prints nothing. The dialog comes from
/// `library`, loaded here; where it is missing or broken, the error box says so too.
void PrintSheet(Window& sheet, const wchar_t* library = L"comdlg32.dll");

}  // namespace Win32Face
