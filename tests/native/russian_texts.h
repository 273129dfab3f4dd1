// Real Russian text for the tests: the fortunes-ru package's collections (UTF-8),
// converted into the code pages with glibc's iconv(3).
#pragma once
#include <string>
#include <string_view>

// The text of the named collection (a file name under /usr/share/games/fortunes/ru), in UTF-8.
// Throws when the package is missing.
std::string RussianText(const std::string& name);

// `utf8` in `charset` (an iconv name such as "CP866"); characters the charset lacks are left out.
std::string ConvertFromUtf8(std::string_view utf8, const char* charset);
