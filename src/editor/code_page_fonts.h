// The font settings each view code page keeps: face, size, effects and
// character set, named by the code page's letter (W, D, K, U); all indexed by
// the view index (base/view_code_pages.h).
#pragma once
#include <cstdint>

#include "base/view_code_pages.h"

inline constexpr const char* fontFaceSettings[viewCodePageCount] = {"FontW", "FontD", "FontK", "FontU"};
inline constexpr const char* fontSizeSettings[viewCodePageCount] = {"SizeW", "SizeD", "SizeK", "SizeU"};
inline constexpr const char* fontEffectsSettings[viewCodePageCount] = {"EffW", "EffD", "EffK", "EffU"};
inline constexpr const char* fontCharsetSettings[viewCodePageCount] = {"SetW", "SetD", "SetK", "SetU"};

// RUSSIAN_CHARSET, RUSSIAN_CHARSET, DEFAULT_CHARSET, RUSSIAN_CHARSET. The control draws in
// Unicode, so DOS-866 needs no OEM_CHARSET, which would get the raster "Terminal" with its
// few sizes that the printer lacks.
inline constexpr int32_t defaultFontCharsets[viewCodePageCount] = {204, 204, 1, 204};

// The face taken while none is stored: the control's choice for Windows-1251 and KOI8-R; for
// DOS-866 a scalable fixed-pitch face with Cyrillic and box drawing; for UTF-8 one with
// Cyrillic and the dashes, quotes and ellipsis that UTF-8 texts use.
inline constexpr const wchar_t* defaultFontFaces[viewCodePageCount] = {L"", L"Courier New", L"", L"Courier New"};

// Twips: a missing size means 10 points, and the size commands step by one
// point between 4 and 26 points.
constexpr int32_t defaultFontSize = 200;
constexpr int32_t fontSizeStep = 20;
constexpr int32_t smallestFontSize = 80;
constexpr int32_t largestFontSize = 520;

// A stored size the program never offers (below 1 point, above 72) is taken as missing.
constexpr int32_t UsableFontSize(int32_t stored) { return stored >= 20 && stored <= 1440 ? stored : defaultFontSize; }

constexpr int32_t defaultTextColour = 8;  // "Cl": practically black
