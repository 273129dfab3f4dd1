// The view commands (F2, Ctrl+F2, Alt+F2, Shift+F2) and the font-size commands.
#pragma once
#include "codepages/code_pages.h"

// Command::ViewAnsi, ViewOem, ViewKoi8, ViewUtf8: shows the same bytes in `codePage`.
void SetViewCodePage(CodePage codePage);

// Command::FontLarger (step +1) and FontSmaller (step -1): one point larger or smaller for the
// view code page only, within 4 and 26 points; nothing happens at a limit.
void ChangeFontSize(int step);
