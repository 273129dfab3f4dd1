// Hexadecimal escapes written as an equals sign and two digits (=D8).
#pragma once
#include <string>
#include <string_view>

// `text` with every "=" followed by two upper-case hexadecimal digits replaced by the byte they
// spell, as it is (no code-page translation). Any other "=" stays, and so does one with
// lower-case digits; a "=" at a line end is not a soft line break here.
std::string DecodeEqualsEscapes(std::string_view text);
