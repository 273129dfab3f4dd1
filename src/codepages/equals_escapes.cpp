#include "codepages/equals_escapes.h"

namespace {

// The value of an upper-case hexadecimal digit, or -1.
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

// The bytes between escapes are copied in runs: an equals sign is rare in text.
std::string DecodeEqualsEscapes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  for (std::size_t i = text.find('='); i != std::string_view::npos; i = text.find('=', i + 1)) {
    if (text[i] == '=' && i + 2 < text.size()) {
      const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out.append(text.data() + copied, i - copied);
        out += static_cast<char>(high * 16 + low);
        i += 2;
        copied = i + 1;
      }
    }
  }
  out.append(text.data() + copied, text.size() - copied);
  return out;
}
