// Folding in the UTF-8 view and every code page against the reference's case pairs. Random
// finds against NaiveFindUtf8 are the engine model's (engine_program.h) and, around block
// ends, EngineFind's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codepages/unicode_maps.h"
#include "codepages/utf8.h"
#include "engine/document_engine.h"
#include "engine_reference.h"
#include "engine_test_support.h"

// Each character of Latin, Latin-1 and the Cyrillic block in UTF-8, and each byte of every code
// page, finds exactly itself and its case partner of the reference, wherever a view has both.
TEST(Utf8Find, EveryViewFoldsUnicodesCasePairsAndNothingElse) {
  for (CodePage codePage : {Ansi, Oem, Koi8, Iso, Mac, Utf8}) {
    std::string text;
    std::vector<ReferenceCharacter> characters;  // folded; a byte a code page leaves undefined is its own
    for (char32_t c = 1; c < (codePage == Utf8 ? 0x500u : 0x100u); ++c) {
      const char32_t meaning = codePage == Utf8 ? c : ByteToUnicode(codePage, static_cast<unsigned char>(c));
      const char32_t key = meaning == 0xFFFD ? brokenByte + c : FoldedForReference(meaning, false);
      characters.push_back({static_cast<Position>(text.size()), key});
      char bytes[maxUtf8Length] = {static_cast<char>(c)};
      text.append(bytes, codePage == Utf8 ? EncodeUtf8(c, bytes) : 1);
    }
    const DocumentEngine engine = WithText(text, codePage);
    for (std::size_t i = 0; i < characters.size(); ++i) {
      const auto start = static_cast<std::size_t>(characters[i].start);
      const std::size_t end = i + 1 < characters.size() ? static_cast<std::size_t>(characters[i + 1].start) : text.size();
      const std::string pattern = text.substr(start, end - start);
      std::vector<Position> expected, found;
      for (const ReferenceCharacter& c : characters) {
        if (c.key == characters[i].key) expected.push_back(c.start);
      }
      for (Position p = engine.Find({0, -1}, pattern, 0); p >= 0; p = engine.Find({p + 1, -1}, pattern, 0)) {
        found.push_back(p);
      }
      EXPECT_EQ(found, expected) << codePage << " at " << start;
    }
  }
}
