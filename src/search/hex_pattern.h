// Search and replacement bytes typed as hexadecimal digits.
#pragma once
#include <string>
#include <string_view>

// Characters pair up by position into bytes, two to a byte; a character that
// is not a hexadecimal digit is skipped but still takes its place in the pair,
// and an odd last character makes a byte alone. At most 32 bytes are made, and
// the result ends before the first 00 byte, as a zero-terminated pattern does:
// "4142" -> 41 42, "41 42" -> 41 04 02, "414" -> 41 04, "4100" -> 41.
std::string ParseHexPattern(std::string_view text);
