// The byte patcher's two hexadecimal fields: the offset into the file and the byte value.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The number the whole text spells in hexadecimal, most significant digit
// first (0-9, a-f, A-F); an empty text is 0. Nothing for any other character
// or a value beyond 64 bits: such a text addresses no byte at all.
std::optional<uint64_t> ParseHexField(std::string_view text);

// The byte to write: the low eight bits of the field's value, so 1FF writes FF.
std::optional<uint8_t> ParseByteField(std::string_view text);

// The byte as the field shows it: two upper-case digits and a terminating zero.
std::array<char, 3> FormatByte(uint8_t value);
