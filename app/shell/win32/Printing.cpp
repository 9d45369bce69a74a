// SPDX-License-Identifier: GPL-3.0-or-later
#include "Printing.h"

#include "ShellTexts.h"
#include "Text.h"
#include "Window.h"

#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace Win32Face {

namespace {

// A run's font: the windows' Persian face for the report's Persian and figures, Arial for the
// notes, in whole pixels at the device's resolution.
HFONT FontFor(const Shell::PrintType& type, unsigned dpi)
{
    const Shell::Typeface face =
        type.face == Shell::PrintFace::Text ? Shell::Typeface::Morvarid : Shell::Typeface::Arial;
    const Shell::FontStyle style = type.bold     ? Shell::FontStyle::Bold
                                   : type.italic ? Shell::FontStyle::Italic
                                                 : Shell::FontStyle::Regular;
    return MakeFont(face, std::max(1, int(type.size)), style, dpi);
}

COLORREF ColourOf(std::uint32_t rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

// A box of the layout in device units, rounded outward so that what was measured to fit it
// does.
RECT DeviceBox(const PageDevice& device, const Shell::PageBox& box)
{
    const double x = device.dpiX / 96.0, y = device.dpiY / 96.0;
    return {LONG(std::floor(box.left * x)) - device.offsetX, LONG(std::floor(box.top * y)) - device.offsetY,
            LONG(std::ceil(box.Right() * x)) - device.offsetX, LONG(std::ceil(box.Bottom() * y)) - device.offsetY};
}

// Windows' print dialog, from its library loaded when the user first prints rather than at
// the program's start: comdlg32.dll brings shell32, shlwapi, shcore, winspool and compstui
// with it, which nothing else needs. Both null where the library is missing or lacks them.
struct PrintDialog {
    decltype(&PrintDlgW) choose = nullptr;
    decltype(&CommDlgExtendedError) failure = nullptr;
};

PrintDialog LoadPrintDialog(const wchar_t* library)
{
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return {};
    const PrintDialog dialog{
        reinterpret_cast<decltype(&PrintDlgW)>(reinterpret_cast<void*>(GetProcAddress(module, "PrintDlgW"))),
        reinterpret_cast<decltype(&CommDlgExtendedError)>(
            reinterpret_cast<void*>(GetProcAddress(module, "CommDlgExtendedError")))};
    return dialog.choose && dialog.failure ? dialog : PrintDialog{};
}

}  // namespace

PageDevice DeviceOf(HDC printer)
{
    return {unsigned(GetDeviceCaps(printer, LOGPIXELSX)), unsigned(GetDeviceCaps(printer, LOGPIXELSY)),
            GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY)};
}

Shell::Paper PaperOf(HDC printer)
{
    const PageDevice device = DeviceOf(printer);
    const auto across = [&device](int units) { return units * 96.0 / device.dpiX; };
    const auto down = [&device](int units) { return units * 96.0 / device.dpiY; };
    return {across(GetDeviceCaps(printer, PHYSICALWIDTH)),
            down(GetDeviceCaps(printer, PHYSICALHEIGHT)),
            {across(device.offsetX), down(device.offsetY), across(GetDeviceCaps(printer, HORZRES)),
             down(GetDeviceCaps(printer, VERTRES))}};
}

Shell::TextMeasure MeasureOn(HDC dc, const PageDevice& device)
{
    return [dc, device](std::string_view text, const Shell::PrintType& type) {
        // The notes, in the Latin face, are the report's only left-to-right lines.
        const SIZE size = TextSize(dc, FontFor(type, device.dpiY), Wide(text), type.face == Shell::PrintFace::Text);
        return Shell::TextExtent{size.cx * 96.0 / device.dpiX, size.cy * 96.0 / device.dpiY};
    };
}

void DrawReportPage(HDC dc, const PageDevice& device, const Shell::ReportPage& page, LineDrawer draw)
{
    for (const std::vector<Shell::PageShape>* shapes : {&page.rules, &page.bars})
        for (const Shell::PageShape& shape : *shapes) {
            if (shape.box.width <= 0) continue;
            const RECT box = DeviceBox(device, shape.box);
            const HBRUSH brush = CreateSolidBrush(ColourOf(shape.colour));
            FillRect(dc, &box, brush);
            DeleteObject(brush);
        }
    for (const Shell::TextRun& run : page.runs) {
        const bool rightToLeft = run.reading == Shell::Reading::RightToLeft;
        draw(dc, DeviceBox(device, run.box), Wide(run.text), FontFor(run.type, device.dpiY), ColourOf(run.type.colour),
             rightToLeft ? TextEdge::Right : TextEdge::Left, rightToLeft);
    }
}

bool PrintLayout(HDC printer, const Shell::ReportLayout& layout, std::wstring_view title)
{
    const std::wstring name(title);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (StartDocW(printer, &document) <= 0) return false;
    const PageDevice device = DeviceOf(printer);
    for (const Shell::ReportPage& page : layout.pages) {
        if (StartPage(printer) <= 0) {
            AbortDoc(printer);
            return false;
        }
        DrawReportPage(printer, device, page);
        if (EndPage(printer) <= 0) {
            AbortDoc(printer);
            return false;
        }
    }
    return EndDoc(printer) > 0;
}

void PrintSheet(Window& sheet, const wchar_t* library)
{
    const auto* handlers = dynamic_cast<const Shell::ResultSheet*>(&sheet.Handlers());
    if (!handlers) return;
    const PrintDialog printDialog = LoadPrintDialog(library);
    if (!printDialog.choose) {
        sheet.ShowMessage(Shell::ErrorBox(Shell::Texts::PrintFailed));
        return;
    }
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = sheet.Handle();
    // No pages to choose among; the driver makes the copies. Without a printer the dialog
    // fails unseen, and the program says so in its own words.
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
    const bool chosen = printDialog.choose(&dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (!chosen || !dialog.hDC) {
        if (printDialog.failure() != 0) sheet.ShowMessage(Shell::ErrorBox(Shell::Texts::PrintFailed));
        return;
    }
    const Shell::ReportContent content = handlers->Report();
    SYSTEMTIME today{};
    GetLocalTime(&today);
    const Shell::ReportLayout layout =
        Shell::LayOutReport(content, {today.wYear, today.wMonth, today.wDay}, PaperOf(dialog.hDC),
                            MeasureOn(dialog.hDC, DeviceOf(dialog.hDC)));
    const bool printed = PrintLayout(dialog.hDC, layout, Wide(Shell::ReportTitle(content)));
    DeleteDC(dialog.hDC);
    if (!printed) sheet.ShowMessage(Shell::ErrorBox(Shell::Texts::PrintFailed));
}

}  // namespace Win32Face
