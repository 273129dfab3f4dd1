// Conversions between the system's code pages and UTF-16, for text that
// crosses to other programs.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

std::wstring WideFromBytes(std::string_view bytes, UINT codePage);
std::string BytesFromWide(std::wstring_view text, UINT codePage);
// The code page of an 8-bit clipboard text format.
inline UINT CodePageOfFormat(CLIPFORMAT format) { return format == CF_OEMTEXT ? CP_OEMCP : CP_ACP; }
