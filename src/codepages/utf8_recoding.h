// Text between UTF-8 and the five single-byte code pages, a chunk at a time.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codepages/code_pages.h"
#include "codepages/utf8.h"

// Appends `text` of single-byte page `source` to `out` in UTF-8. A byte the page defines no
// character for becomes U+FFFD; returns how many did.
std::size_t AppendPageAsUtf8(CodePage source, std::string_view text, std::string& out);

// UTF-8 into a single-byte page, fed in chunks of any size: a sequence cut at the end of one
// chunk is finished with the start of the next. Each character the page has becomes its
// byte, any other its look-alike (SpellInPage) or '?'; a byte that is not UTF-8 stays as it is.
class Utf8ToPage {
 public:
  explicit Utf8ToPage(CodePage target);

  // The most bytes Convert writes for a chunk of `chunkSize` bytes: the chunk and the few carried into it.
  static constexpr std::size_t MaxOutput(std::size_t chunkSize) { return chunkSize + maxUtf8Length - 1; }

  // Writes `chunk` converted to `out`, which holds MaxOutput(chunk.size()) bytes; returns how many.
  std::size_t Convert(std::string_view chunk, char* out);
  // Writes what is still carried (the bytes of a sequence the text's end cut short, at most
  // maxUtf8Length - 1) as they are; returns how many.
  std::size_t Finish(char* out);

  std::size_t Replaced() const { return replaced_; }          // characters the page lacks
  std::size_t InvalidBytes() const { return invalidBytes_; }  // bytes that are not UTF-8, kept

 private:
  std::size_t ConvertBlock(const unsigned char* in, char*& out) const;
  const unsigned char* ConvertCarried(const unsigned char* in, const unsigned char* end, char*& out);
  void ConvertSequence(const unsigned char* at, Utf8Sequence sequence, char*& out);

  const struct Utf8PageTables* tables_;  // made once for each page
  CodePage target_;
  unsigned char carried_[maxUtf8Length] = {};
  std::size_t carriedLength_ = 0;
  std::size_t replaced_ = 0;
  std::size_t invalidBytes_ = 0;
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
