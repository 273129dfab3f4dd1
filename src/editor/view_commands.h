// The view commands (F2, Ctrl+F2, Alt+F2) and the font-size commands.
#pragma once
#include "codepages/code_pages.h"

constexpr int viewAnsiCommand = 16;  // 17 Oem, 18 Koi8
constexpr int fontLargerCommand = 49;
constexpr int fontSmallerCommand = 50;

// Commands 16-18: shows the same bytes in `codePage`.
void SetViewCodePage(CodePage codePage);

// Commands 49 (step +1) and 50 (step -1): one point larger or smaller for the
// view code page only, within 4 and 26 points; nothing happens at a limit.
void ChangeFontSize(int step);
