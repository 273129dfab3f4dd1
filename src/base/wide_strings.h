// Bytes of a code page and UTF-16, for what crosses between the program and
// Windows: names, paths and texts go to the W functions as UTF-16.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

std::wstring WideFromBytes(std::string_view bytes, UINT codePage);
std::string BytesFromWide(std::wstring_view text, UINT codePage);

// The whole text of a window (a dialog's field, the main window's title).
std::wstring WindowTextOf(HWND window);

inline std::wstring WideFromUtf8(std::string_view utf8) { return WideFromBytes(utf8, CP_UTF8); }
inline std::string Utf8FromWide(std::wstring_view wide) { return BytesFromWide(wide, CP_UTF8); }
