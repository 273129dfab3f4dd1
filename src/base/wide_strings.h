// UTF-8 and UTF-16 for what crosses between the program and Windows: names,
// paths and the program's own texts go to the W functions as UTF-16.
#pragma once
#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
