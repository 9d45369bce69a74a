// SPDX-License-Identifier: GPL-3.0-or-later
#include "Look.h"

#include "FontResources.h"
#include "Rules.h"
#include "Text.h"

#include <usp10.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace Win32Face {

namespace {

bool Installed(const wchar_t* family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Which Persian faces the machine has, asked once, before the built-in face is loaded.
struct PersianFaces {
    bool mitra = Installed(Wide(Shell::FamilyOf(Shell::Typeface::Mitra)).c_str());
    bool morvarid = Installed(Wide(Shell::FamilyOf(Shell::Typeface::Morvarid)).c_str());
};

const PersianFaces& Persian()
{
    static const PersianFaces faces;
    return faces;
}

bool SubstituteStandsIn(Shell::Typeface face)
{
    if (face == Shell::Typeface::Mitra) return !Persian().mitra;
    if (face == Shell::Typeface::Morvarid) return !Persian().morvarid;
    return false;
}

// A line read right to left is one run at an odd embedding level: its numbers then stand
// where right-to-left reading puts them (Wine's Uniscribe reads SSA_RTL alone as left to right).
SCRIPT_STATE Embedding(bool rightToLeft)
{
    SCRIPT_STATE state{};
    state.uBidiLevel = rightToLeft ? 1 : 0;
    return state;
}

void LoadFontResource(int id)
{
    const HMODULE program = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) return;
    const HGLOBAL loaded = LoadResource(program, found);
    DWORD fonts = 0;
    if (loaded) AddFontMemResourceEx(LockResource(loaded), SizeofResource(program, found), nullptr, &fonts);
}

}  // namespace

int Scaled(int pixels, unsigned dpi) { return MulDiv(pixels, int(dpi), 96); }

Shell::Size PrimaryScreen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Shell::Rect PrimaryWorkArea()
{
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        return {0, 0, PrimaryScreen().width, PrimaryScreen().height};
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

void LoadProgramFonts()
{
    const PersianFaces& faces = Persian();
    if (faces.mitra && faces.morvarid) return;
    LoadFontResource(PROGRAM_FONT_REGULAR);
    LoadFontResource(PROGRAM_FONT_BOLD);
}

HFONT MakeFont(Shell::Typeface face, int pixelHeight, Shell::FontStyle style, unsigned dpi)
{
    static std::map<std::tuple<int, int, int, unsigned>, HFONT> made;
    const auto key = std::make_tuple(int(face), pixelHeight, int(style), dpi);
    if (const auto found = made.find(key); found != made.end()) return found->second;
    const bool substitute = SubstituteStandsIn(face);
    LOGFONTW font{};
    // A negative height is the character height, without the cell's internal leading.
    font.lfHeight = -Scaled(substitute ? pixelHeight + SubstituteGrowth : pixelHeight, dpi);
    font.lfWeight = style == Shell::FontStyle::Bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = style == Shell::FontStyle::Italic;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, substitute ? PersianSubstitute : Wide(Shell::FamilyOf(face)).c_str(), LF_FACESIZE);
    return made[key] = CreateFontIndirectW(&font);
}

HFONT FontOf(Shell::Role role, unsigned dpi)
{
    const Shell::Type type = Shell::TypeOf(role);
    return MakeFont(type.face, type.pixelHeight, type.style, dpi);
}

HFONT FittingFont(Shell::Role role, std::wstring_view text, int room, bool rightToLeft, unsigned dpi)
{
    const Shell::Type type = Shell::TypeOf(role);
    const int height = Shell::FittingHeight(type.pixelHeight, room, [&](int pixels) {
        return TextSize(MakeFont(type.face, pixels, type.style, dpi), text, rightToLeft).cx;
    });
    return MakeFont(type.face, height, type.style, dpi);
}

COLORREF ColourOf(Shell::Colour colour)
{
    const std::optional<Shell::Rgb> rgb = Shell::RgbOf(colour);
    return rgb ? ColourOf(*rgb) : GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF ColourOf(Shell::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

SIZE TextSize(HFONT font, std::wstring_view text, bool rightToLeft)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const SIZE size = TextSize(dc, font, text, rightToLeft);
    DeleteDC(dc);
    return size;
}

SIZE TextSize(HDC dc, HFONT font, std::wstring_view text, bool rightToLeft)
{
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{0, 0};
    if (!text.empty()) {
        // Shaped as drawn: Persian letters joined take less room than standing alone.
        SCRIPT_STRING_ANALYSIS analysis = nullptr;
        SCRIPT_CONTROL control{};
        SCRIPT_STATE state = Embedding(rightToLeft);
        const int length = int(text.size());
        if (SUCCEEDED(ScriptStringAnalyse(dc, text.data(), length, length * 3 / 2 + 16, -1,
                                          SSA_GLYPHS | SSA_FALLBACK | (rightToLeft ? SSA_RTL : 0), 0, &control, &state,
                                          nullptr, nullptr, nullptr, &analysis))) {
            size.cx = ScriptString_pSize(analysis)->cx;
            ScriptStringFree(&analysis);
        } else {
            GetTextExtentPoint32W(dc, text.data(), length, &size);
        }
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(dc, old);
    return size;
}

namespace {

// A 32-bit picture with its own transparency, top row first.
struct Picture {
    int width = 0, height = 0;
    HBITMAP bitmap = nullptr;
    std::uint32_t* pixels = nullptr;

    Picture(int w, int h) : width(w), height(h)
    {
        BITMAPV5HEADER header{};
        header.bV5Size = sizeof header;
        header.bV5Width = w;
        header.bV5Height = -h;
        header.bV5Planes = 1;
        header.bV5BitCount = 32;
        header.bV5Compression = BI_BITFIELDS;
        header.bV5RedMask = 0x00FF0000;
        header.bV5GreenMask = 0x0000FF00;
        header.bV5BlueMask = 0x000000FF;
        header.bV5AlphaMask = 0xFF000000;
        void* bits = nullptr;
        const HDC screen = GetDC(nullptr);
        bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        pixels = static_cast<std::uint32_t*>(bits);
    }
    ~Picture() { DeleteObject(bitmap); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HICON Icon() const
    {
        // The alpha channel decides; the mask only has to be there, and clear.
        const std::vector<std::uint16_t> clear(std::size_t((width + 15) / 16 * height), 0);
        const HBITMAP mask = CreateBitmap(width, height, 1, 1, clear.data());
        ICONINFO info{TRUE, 0, 0, mask, bitmap};
        const HICON icon = CreateIconIndirect(&info);
        DeleteObject(mask);
        return icon;
    }
};

// A tick of two strokes `size` pixels square at `left`, `top`, smoothed at its edges through
// the alpha channel.
void PaintTick(Picture& picture, int left, int top, int size)
{
    const double s = size;
    const double stroke[3][2] = {{0.16 * s, 0.52 * s}, {0.40 * s, 0.76 * s}, {0.86 * s, 0.22 * s}};
    const double half = std::max(1.2, s / 11);
    const auto distance = [](double x, double y, const double* a, const double* b) {
        const double dx = b[0] - a[0], dy = b[1] - a[1];
        const double t = std::clamp(((x - a[0]) * dx + (y - a[1]) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        return std::hypot(x - a[0] - t * dx, y - a[1] - t * dy);
    };
    for (int y = 0; y < size && top + y < picture.height; ++y)
        for (int x = 0; x < size && left + x < picture.width; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double d = std::min(distance(px, py, stroke[0], stroke[1]), distance(px, py, stroke[1], stroke[2]));
            const double cover = std::clamp(half + 0.5 - d, 0.0, 1.0);
            const auto alpha = std::uint32_t(std::lround(cover * 255));
            // A darker green at the stroke's middle, lighter at its edge.
            picture.pixels[(top + y) * picture.width + left + x] =
                alpha << 24 | std::uint32_t(0x90 - 0x20 * cover) << 8 | 0x10;
        }
}

}  // namespace

HICON OkGlyph(int size)
{
    Picture picture(size, size);
    std::fill(picture.pixels, picture.pixels + size * size, 0u);
    PaintTick(picture, 0, 0, size);
    return picture.Icon();
}

HICON CaptionPicture(std::wstring_view text, HFONT font, COLORREF colour, bool rightToLeft, int glyphSize)
{
    // Drawn black on white in greys, whose darkness then gives each pixel's cover.
    LOGFONTW grey{};
    GetObjectW(font, sizeof grey, &grey);
    grey.lfQuality = ANTIALIASED_QUALITY;
    const HFONT smooth = CreateFontIndirectW(&grey);
    const SIZE size = TextSize(smooth, text, rightToLeft);
    const int gap = glyphSize ? glyphSize / 3 : 0;
    const int width = std::max<int>(1, glyphSize + gap + size.cx + 2);
    const int height = std::max<int>({1, int(size.cy), glyphSize});
    Picture picture(width, height);
    std::fill(picture.pixels, picture.pixels + width * height, 0x00FFFFFFu);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldBitmap = SelectObject(dc, picture.bitmap);
    RECT box{glyphSize + gap, 0, width, height};
    DrawLine(dc, box, text, smooth, RGB(0, 0, 0), TextEdge::Centre, rightToLeft);
    GdiFlush();
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    DeleteObject(smooth);
    const std::uint32_t ink =
        std::uint32_t(GetRValue(colour)) << 16 | std::uint32_t(GetGValue(colour)) << 8 | GetBValue(colour);
    for (int i = 0; i < width * height; ++i) {
        const std::uint32_t light =
            std::min({picture.pixels[i] & 0xFF, picture.pixels[i] >> 8 & 0xFF, picture.pixels[i] >> 16 & 0xFF});
        picture.pixels[i] = (0xFF - light) << 24 | ink;
    }
    if (glyphSize) PaintTick(picture, 0, (height - glyphSize) / 2, glyphSize);
    return picture.Icon();
}

void DrawLine(HDC dc, const RECT& box, std::wstring_view text, HFONT font, COLORREF colour, TextEdge edge,
              bool rightToLeft)
{
    if (text.empty()) return;
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    SCRIPT_CONTROL control{};
    SCRIPT_STATE state = Embedding(rightToLeft);
    const int length = int(text.size());
    if (SUCCEEDED(ScriptStringAnalyse(dc, text.data(), length, length * 3 / 2 + 16, -1,
                                      SSA_GLYPHS | SSA_FALLBACK | (rightToLeft ? SSA_RTL : 0), 0, &control, &state,
                                      nullptr, nullptr, nullptr, &analysis))) {
        const int width = ScriptString_pSize(analysis)->cx;
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const int x = edge == TextEdge::Left    ? box.left
                      : edge == TextEdge::Right ? box.right - width
                                                : box.left + (box.right - box.left - width) / 2;
        const int y = box.top + (box.bottom - box.top - metrics.tmHeight) / 2;
        ScriptStringOut(analysis, x, y, ETO_CLIPPED, &box, 0, 0, FALSE);
        ScriptStringFree(&analysis);
    }
    SelectObject(dc, old);
}

}  // namespace Win32Face
