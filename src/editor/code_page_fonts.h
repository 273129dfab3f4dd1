// The font settings each view code page keeps: face, size, effects and
// character set, named by the code page's letter (W, D, K).
#pragma once
#include <cstdint>

#include "codepages/code_pages.h"

constexpr int viewCodePageCount = 3;  // Ansi, Oem, Koi8

inline constexpr const char* fontFaceSettings[viewCodePageCount] = {"FontW", "FontD", "FontK"};
inline constexpr const char* fontSizeSettings[viewCodePageCount] = {"SizeW", "SizeD", "SizeK"};
inline constexpr const char* fontEffectsSettings[viewCodePageCount] = {"EffW", "EffD", "EffK"};
inline constexpr const char* fontCharsetSettings[viewCodePageCount] = {"SetW", "SetD", "SetK"};

// RUSSIAN_CHARSET, OEM_CHARSET, DEFAULT_CHARSET.
inline constexpr int32_t defaultFontCharsets[viewCodePageCount] = {204, 255, 1};

// Twips: a missing size means 10 points, and the size commands step by one
// point between 4 and 26 points.
constexpr int32_t defaultFontSize = 200;
constexpr int32_t fontSizeStep = 20;
constexpr int32_t smallestFontSize = 80;
constexpr int32_t largestFontSize = 520;

// A stored size the program never offers (below 1 point, above 72) is taken as missing.
constexpr int32_t UsableFontSize(int32_t stored) { return stored >= 20 && stored <= 1440 ? stored : defaultFontSize; }

constexpr int32_t defaultTextColour = 8;  // "Cl": practically black
