// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clipboard.h"

#include <algorithm>

namespace Win32Face {

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* held = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = held;
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

bool SetClipboardText(HWND owner, std::wstring_view text)
{
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool set = false;
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), copy);
        copy[text.size()] = L'\0';
        GlobalUnlock(memory);
        set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!set) GlobalFree(memory);
    }
    CloseClipboard();
    return set;
}

std::wstring WindowsLines(std::wstring_view text)
{
    std::wstring lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) lines += L'\r';
        lines += text[i];
    }
    return lines;
}

}  // namespace Win32Face
