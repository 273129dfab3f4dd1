// The sample the font dialog previews: a word and a small face drawn in
// box-drawing characters, shown in the code page whose font is chosen.
#pragma once
#include <string>

#include "codepages/code_pages.h"

// The sample in `codePage` (Ansi, Oem or Koi8): 71 bytes, no zero; in UTF-8 (Utf8) the same
// characters as DOS-866's, 131 bytes.
std::string FontSampleText(CodePage codePage);
