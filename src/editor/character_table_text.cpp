#include "editor/character_table_text.h"

std::string CharacterTableText() {
  std::string text;
  text.reserve(236);
  for (int code = 32; code <= 255; ++code) {
    if (code > 32 && code % 32 == 0) text += "\r\n";
    text += static_cast<char>(code);
  }
  return text;
}
