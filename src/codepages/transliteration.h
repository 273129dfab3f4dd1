// Cyrillic letters written with Latin letters, one or two for each.
#pragma once
#include <string>
#include <string_view>

#include "codepages/code_pages.h"

// `text` of code page `source` transliterated: each Cyrillic letter becomes its Latin letter
// (OemToTranslit) and Ж Ч Ш Щ Ю Я (ж ч ш щ ю я) get a second one: ZH CH SH SH IU IA. Bytes
// below 0x80 stay; other bytes >= 0x80 (pseudo-graphics, signs) come out in DOS-866 whatever
// `source` is. The result is at most twice as long as `text`.
std::string Transliterate(std::string_view text, CodePage source);
