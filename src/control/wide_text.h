// Conversions between the system's code pages and UTF-16, for text that
// crosses to other programs.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "base/wide_strings.h"

// The code page of an 8-bit clipboard text format.
inline UINT CodePageOfFormat(CLIPFORMAT format) { return format == CF_OEMTEXT ? CP_OEMCP : CP_ACP; }
