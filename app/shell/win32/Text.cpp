// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

#include "FieldText.h"

namespace Win32Face {

std::wstring Wide(std::string_view utf8)
{
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

std::string Utf8(std::wstring_view wide)
{
    if (wide.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring WindowText(HWND handle)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(handle, text.data(), int(text.size()))));
    return text;
}

std::wstring ItemText(HWND list, int position)
{
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, WPARAM(position), 0);
    if (length == CB_ERR) return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(SendMessageW(list, CB_GETLBTEXT, WPARAM(position), LPARAM(text.data()))));
    return text;
}

std::wstring ShownWide(std::string_view utf8) { return Wide(Shell::ShownText(utf8)); }

}  // namespace Win32Face
