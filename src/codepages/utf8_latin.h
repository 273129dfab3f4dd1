// Translit and Fido on UTF-8 text: the letters they write as Latin ones change, nothing else.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "codepages/utf8_chunks.h"

// The DOS-866 commands that write some Cyrillic letters as Latin ones.
enum class LatinCommand : unsigned char {
  Translit,  // Transliterate
  Fido,      // Н and р as H and p
};

// UTF-8 to UTF-8, fed in chunks of any size (Utf8ChunkConverter). A character of DOS-866 for
// which `command` writes Latin letters there becomes those letters; every other character, and
// every byte that is not UTF-8, stays as it is, so the only invalid bytes of the result are the
// text's own.
class Utf8LatinWriter : public Utf8ChunkConverter<Utf8LatinWriter> {
 public:
  explicit Utf8LatinWriter(LatinCommand command);

 private:
  friend class Utf8ChunkConverter<Utf8LatinWriter>;
  bool TakeRun(const unsigned char*&, const unsigned char*, char*&) const { return false; }
  void WriteCharacter(const unsigned char* at, Utf8Sequence sequence, char*& out) const;

  const struct LatinLetters* letters_;  // made once for each command
};

// A whole text rewritten by `command`.
std::string WriteLatinInUtf8(std::string_view text, LatinCommand command);
