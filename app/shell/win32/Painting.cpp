// SPDX-License-Identifier: GPL-3.0-or-later
#include "Painting.h"

#include "Look.h"

#include <cmath>

namespace Win32Face {

namespace {

COLORREF Mix(COLORREF from, COLORREF to, int part, int whole)
{
    const auto channel = [&](int a, int b) { return a + (b - a) * part / whole; };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

}  // namespace

void DrawBanner(HDC dc, const RECT& box, std::wstring_view title, unsigned dpi)
{
    constexpr COLORREF Top = RGB(0x0B, 0x3D, 0x6B);
    constexpr COLORREF Bottom = RGB(0x6F, 0xB8, 0xE6);
    const int height = box.bottom - box.top;
    const auto sky = [&](int y) { return Mix(Top, Bottom, y, height > 1 ? height - 1 : 1); };
    for (int y = 0; y < height; ++y) {
        const HBRUSH line = CreateSolidBrush(sky(y));
        const RECT row{box.left, box.top + y, box.right, box.top + y + 1};
        FillRect(dc, &row, line);
        DeleteObject(line);
    }

    // A few six-armed snowflakes across the band, in white two thirds opaque over the sky.
    struct Flake {
        int x, y, radius;
    };
    constexpr Flake flakes[] = {{70, 45, 22},   {160, 105, 14}, {260, 40, 10},
                                {700, 100, 16}, {800, 42, 24},  {870, 110, 12}};
    constexpr double Sixth = 3.14159265358979323846 / 3;
    for (const Flake& flake : flakes) {
        const int cx = box.left + Scaled(flake.x, dpi), cy = box.top + Scaled(flake.y, dpi);
        const double r = Scaled(flake.radius, dpi);
        const HPEN pen = CreatePen(PS_SOLID, Scaled(2, dpi), Mix(sky(cy - box.top), RGB(255, 255, 255), 170, 255));
        const HGDIOBJ old = SelectObject(dc, pen);
        const auto line = [&](double x0, double y0, double x1, double y1, double angle) {
            const double c = std::cos(angle), s = std::sin(angle);
            MoveToEx(dc, cx + int(x0 * c - y0 * s), cy + int(x0 * s + y0 * c), nullptr);
            LineTo(dc, cx + int(x1 * c - y1 * s), cy + int(x1 * s + y1 * c));
        };
        for (int arm = 0; arm < 6; ++arm) {
            const double angle = arm * Sixth;
            line(0, 0, 0, -r, angle);
            line(0, -r / 2, -r / 4, -r * 3 / 4, angle);
            line(0, -r / 2, r / 4, -r * 3 / 4, angle);
        }
        SelectObject(dc, old);
        DeleteObject(pen);
    }

    DrawLine(dc, box, title, FontOf(Shell::Role::Banner, dpi), ColourOf(Shell::TypeOf(Shell::Role::Banner).colour),
             TextEdge::Centre, true);
}

void DrawListItem(const DRAWITEMSTRUCT& item, std::wstring_view text, HFONT font, unsigned dpi)
{
    const HDC dc = item.hDC;
    const bool chosen = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &item.rcItem, GetSysColorBrush(chosen && !disabled ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != UINT(-1)) {
        RECT box = item.rcItem;
        InflateRect(&box, -Scaled(4, dpi), 0);
        DrawLine(dc, box, text, font,
                 GetSysColor(disabled ? COLOR_GRAYTEXT
                             : chosen ? COLOR_HIGHLIGHTTEXT
                                      : COLOR_WINDOWTEXT),
                 TextEdge::Right, true);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &item.rcItem);
}

}  // namespace Win32Face
