// Text built from Unicode characters in the bytes of one code page, or in UTF-8. A character the code page
// lacks is written in its nearest plain form (dashes as '-', quotes as '"', the ellipsis as "...",
// typographic blanks as a space, invisible marks as nothing) and anything else as '?'.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "codepages/code_pages.h"
#include "codepages/utf8.h"

class TargetText {
 public:
  TargetText(CodePage target, std::size_t expectedSize);

  void Append(char32_t character) {
    if (character - 1 < 0x7F) {  // ASCII but NUL, the hot path of every text run
      text_.push_back(static_cast<char>(character));
    } else if (character != 0) {
      AppendEncoded(character);
    }
  }
  void AppendBreak() { text_.append("\r\n", 2); }
  std::size_t Size() const { return text_.size(); }
  void DropLast() { if (!text_.empty()) text_.pop_back(); }
  std::string Take() { return std::move(text_); }

 private:
  struct Encoding {
    char32_t character = 0xFFFFFFFF;  // no character: an empty slot
    unsigned char length = 0;
    char bytes[4] = {};  // a UTF-8 character, or the longest plain form
  };

  void AppendEncoded(char32_t character);
  Encoding Encode(char32_t character) const;

  CodePage target_;
  std::string text_;
  std::array<Encoding, 256> recent_;  // direct-mapped by the low byte: a text uses few distinct characters
};
