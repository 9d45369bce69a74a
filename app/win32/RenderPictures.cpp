// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window of the program on the Win32 face, for the README: the start
// dialog, both input windows, and both result sheets after a sample calculation, each as a
// BMP file of the window with its frame, taken from the screen; and the first page of the
// cold-room report as the face draws it on a printer, drawn on a picture of an A4 page.
// Usage: render_pictures_win32 OUTPUT_FOLDER

#include "ControlNamed.h"
#include "Loop.h"
#include "PictureSamples.h"
#include "Printing.h"
#include "ProgramWindows.h"
#include "Text.h"
#include "Window.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring folder;
bool saved = true;

// Lets the window paint itself before it is taken.
void Settle()
{
    const DWORD until = GetTickCount() + 400;
    MSG message;
    while (GetTickCount() < until) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!Win32Face::TakeMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        Sleep(20);
    }
}

// A picture `width` by `height` pixels drawn by `draw` on a memory DC, saved as NAME.bmp.
template <typename Draw>
void SavePicture(int width, int height, const wchar_t* name, Draw draw)
{
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    void* bits = nullptr;
    const HBITMAP picture =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, picture);
    draw(memory, screen);
    GdiFlush();
    const DWORD row = DWORD((width * 3 + 3) & ~3), size = row * DWORD(height);
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof header + size), 0, 0,
                          DWORD(sizeof(BITMAPFILEHEADER) + sizeof header)};
    const std::wstring path = folder + L"\\" + name + L".bmp";
    FILE* out = _wfopen(path.c_str(), L"wb");
    saved = out && fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
            fwrite(bits, size, 1, out) == 1 && saved;
    if (out) fclose(out);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void Save(HWND window, const wchar_t* name)
{
    Settle();
    RECT outer{};
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SavePicture(width, height, name, [&outer, width, height](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, outer.left, outer.top, SRCCOPY);
    });
}

// The report's first page as the face draws it on a printer, here one of 110 dots per inch,
// the resolution of the Qt face's picture of its report.
void SaveReport(const Shell::ResultSheet& sheet, const wchar_t* name)
{
    const Win32Face::PageDevice device{110, 110};
    const int width = MulDiv(int(Shell::A4.width), 110, 96), height = MulDiv(int(Shell::A4.height), 110, 96);
    SavePicture(width, height, name, [&](HDC memory, HDC) {
        const RECT paper{0, 0, width, height};
        FillRect(memory, &paper, HBRUSH(GetStockObject(WHITE_BRUSH)));
        SYSTEMTIME today{};
        GetLocalTime(&today);
        const Shell::ReportLayout layout = Shell::LayOutReport(sheet.Report(), {today.wYear, today.wMonth, today.wDay},
                                                               Shell::A4, Win32Face::MeasureOn(memory, device));
        Win32Face::DrawReportPage(memory, device, layout.pages[0]);
    });
}

// Presses an input window's Calculate; the sheet it opens is taken and closed from a timer.
std::wstring sheetName;
Shell::Form* sheet = nullptr;
void SaveSheet(const ProgramWindow& input, const std::wstring& name)
{
    sheetName = name;
    sheet = input.Sheet()->Form();
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        Save(Win32Face::Face::WindowOf(*sheet).Handle(), sheetName.c_str());
        sheet->Window().CloseModal();
    });
    input.Form()->Clicked(*input.Calculate());
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_pictures_win32 OUTPUT_FOLDER\n");
        return 2;
    }
    folder = argv[1];
    Win32Face::Face face(ProgramTitle);
    ProgramWindows windows(face);

    Shell::Form& start = *TheStartDialog().Form();
    start.Window().ShowWindow();
    Save(Win32Face::Face::WindowOf(start).Handle(), L"start-dialog");
    start.Window().HideWindow();

    for (const ProgramWindow* input : ProgramWindowsOfKind(Shell::WindowKind::InputWindow)) {
        const PictureSample sample = SampleOf(*input);
        Shell::Form& form = *input->Form();
        for (const auto& [field, text] : sample.fields)
            form.Window().SetText(ShellTesting::ControlNamed(form, field), text);
        const std::wstring picture = Win32Face::Wide(sample.picture);
        form.Window().ShowWindow();
        Save(Win32Face::Face::WindowOf(form).Handle(), picture.c_str());
        SaveSheet(*input, picture + L"-results");
        if (sample.report)
            SaveReport(static_cast<const Shell::ResultSheet&>(*input->Sheet()->Form()), (picture + L"-report").c_str());
        form.Window().HideWindow();
    }
    return saved ? 0 : 1;
}
