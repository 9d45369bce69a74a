// SPDX-License-Identifier: GPL-3.0-or-later
#include "Painting.h"

#include "Look.h"

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
    const int height = box.bottom - box.top;
    const auto sky = [&](int y) {
        return Mix(ColourOf(Shell::BannerSkyTop), ColourOf(Shell::BannerSkyBottom), y, height > 1 ? height - 1 : 1);
    };
    for (int y = 0; y < height; ++y) {
        const HBRUSH line = CreateSolidBrush(sky(y));
        const RECT row{box.left, box.top + y, box.right, box.top + y + 1};
        FillRect(dc, &row, line);
        DeleteObject(line);
    }

    // The flakes, each in white partly opaque over the sky at its centre.
    for (const Shell::Flake& flake : Shell::BannerFlakes) {
        const int cx = box.left + Scaled(flake.x, dpi), cy = box.top + Scaled(flake.y, dpi);
        const HPEN pen = CreatePen(PS_SOLID, Scaled(Shell::FlakeStroke, dpi),
                                   Mix(sky(cy - box.top), RGB(255, 255, 255), Shell::FlakeOpacity, 255));
        const HGDIOBJ old = SelectObject(dc, pen);
        for (const Shell::Stroke& stroke : Shell::FlakeStrokes(Scaled(flake.radius, dpi))) {
            MoveToEx(dc, cx + int(stroke.x0), cy + int(stroke.y0), nullptr);
            LineTo(dc, cx + int(stroke.x1), cy + int(stroke.y1));
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
