// Text between UTF-8 and the five single-byte code pages, a chunk at a time.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codepages/code_pages.h"
#include "codepages/utf8.h"
#include "codepages/utf8_chunks.h"

// Appends `text` of single-byte page `source` to `out` in UTF-8. A byte the page defines no
// character for becomes U+FFFD; returns how many did.
std::size_t AppendPageAsUtf8(CodePage source, std::string_view text, std::string& out);

// UTF-8 into a single-byte page, fed in chunks of any size (Utf8ChunkConverter). Each
// character the page has becomes its byte, any other its look-alike (SpellInPage) or '?';
// a byte that is not UTF-8 stays as it is.
class Utf8ToPage : public Utf8ChunkConverter<Utf8ToPage> {
 public:
  explicit Utf8ToPage(CodePage target);

  std::size_t Replaced() const { return replaced_; }  // characters the page lacks

 private:
  friend class Utf8ChunkConverter<Utf8ToPage>;
  bool TakeRun(const unsigned char*& in, const unsigned char* end, char*& out) const;
  std::size_t ConvertBlock(const unsigned char* in, char*& out) const;
  void WriteCharacter(const unsigned char* at, Utf8Sequence sequence, char*& out);

  const struct Utf8PageTables* tables_;  // made once for each page
  CodePage target_;
  std::size_t replaced_ = 0;
};

// A whole text recoded, and what the recoding could not carry over.
struct RecodedText {
  std::string bytes;
  std::size_t replaced = 0;  // characters the target page lacks: look-alikes or '?'
  std::size_t invalid = 0;   // UTF-8 source: bytes that are not UTF-8, kept; page source: bytes now U+FFFD
};

// `text` from `source` to `target`, either of which may be Utf8: UTF-8 converts directly,
// two single-byte pages go the route through DOS-866 (ChosenRecodingRoute), and UTF-8 to
// UTF-8 copies.
RecodedText RecodeText(std::string_view text, CodePage source, CodePage target);
