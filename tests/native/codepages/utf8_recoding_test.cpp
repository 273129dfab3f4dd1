// Conversions between UTF-8 and the five single-byte pages: against iconv on real text, against
// the conversion tables for what a page lacks, and against a character-at-a-time model in chunks.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "codepages/look_alikes.h"
#include "codepages/utf8.h"
#include "codepages/utf8_recoding.h"
#include "iconv_texts.h"

namespace {

struct Converted {
  std::string text;
  std::size_t replaced = 0, invalidBytes = 0;
};

// `utf8` into `target`, fed in chunks of random sizes up to `largestChunk` (0: in one piece).
Converted FromUtf8(CodePage target, std::string_view utf8, std::mt19937& random, std::size_t largestChunk = 0) {
  Utf8ToPage converter(target);
  Converted result;
  std::string buffer;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t size = std::min(utf8.size() - at, largestChunk ? 1 + random() % largestChunk : utf8.size());
    buffer.resize(Utf8ToPage::MaxOutput(size));
    result.text.append(buffer.data(), converter.Convert(utf8.substr(at, size), buffer.data()));
    at += size;
  }
  buffer.resize(Utf8ToPage::MaxOutput(0));
  result.text.append(buffer.data(), converter.Finish(buffer.data()));
  result.replaced = converter.Replaced();
  result.invalidBytes = converter.InvalidBytes();
  return result;
}

Converted FromUtf8(CodePage target, std::string_view utf8) {
  std::mt19937 unused;
  return FromUtf8(target, utf8, unused);
}

std::string Utf8Of(char32_t c) {
  char bytes[maxUtf8Length];
  return std::string(bytes, EncodeUtf8(c, bytes));
}

// The code points of `utf8` as iconv reads them.
std::u32string CodePoints(std::string_view utf8) {
  const std::string utf32 = ConvertFromUtf8(utf8, "UTF-32LE");
  std::u32string points(utf32.size() / 4, U'\0');
  std::memcpy(points.data(), utf32.data(), utf32.size());  // the host is little-endian too
  return points;
}

// Where UTF-8 does better than the route through DOS-866: the ellipsis in full, the bullet as
// the bullet operator (not the DOS control code 07), § and ¶ (DOS control codes too) as '?',
// and © from KOI8-R as from Windows-1251.
std::optional<std::string> BetterThanTheRoute(char32_t c, CodePage target) {
  switch (c) {
    case U'…': return "...";
    case U'•': {
      const int bulletOperator = PublishedMapping(Oem, target, 0xF9);
      return std::string(1, bulletOperator >= 0 ? static_cast<char>(bulletOperator) : '?');
    }
    case U'§': case U'¶': return "?";
    case U'©': return "c";
    default: return std::nullopt;
  }
}

const std::vector<std::string> texts = {"work", "computer", "citates", "M$", "programming"};

}  // namespace

// A character one of Windows-1251, DOS-866 and KOI8-R has and another lacks reaches that one
// from UTF-8 as it does when a text is recoded between them (the oracle's tables).
TEST(Utf8Recoding, WritesWhatAPageLacksAsTheTablesDo) {
  for (CodePage source : {Ansi, Oem, Koi8}) {
    const auto characters = DecodeWithIconv(source);
    for (CodePage target : {Ansi, Oem, Koi8}) {
      if (source == target) continue;
      for (int b = 0x80; b < 0x100; ++b) {
        if (characters[b] == noCharacter) continue;
        const int published = PublishedMapping(source, target, static_cast<unsigned char>(b));
        const auto routed = static_cast<char>(OracleRoute(toOemTable[source], fromOemTable[target], static_cast<unsigned char>(b)));
        const std::string expected = published >= 0 ? std::string(1, static_cast<char>(published))
                                                    : BetterThanTheRoute(characters[b], target).value_or(std::string(1, routed));
        const Converted converted = FromUtf8(target, Utf8Of(characters[b]));
        EXPECT_EQ(converted.text, expected) << codePageNames[source] << " byte " << std::hex << b << " to " << codePageNames[target];
        EXPECT_EQ(converted.replaced, published < 0 ? 1u : 0u);
      }
    }
  }
  // ISO and Mac have no look-alike tables of their own: the same look-alikes, and theirs in turn.
  EXPECT_EQ(FromUtf8(Iso, "«—╔┼†№").text, "<-\xD3++\xF0");
  EXPECT_EQ(FromUtf8(Mac, "─╔€\U0001F600").text, "-\xE3??");
  // The other way only a byte the page defines no character for is lost: Windows-1251 has none at 98.
  const RecodedText fromAnsi = RecodeText("\x98\xE0", Ansi, Utf8);
  EXPECT_EQ(std::tuple(fromAnsi.bytes, fromAnsi.replaced, fromAnsi.invalid), std::tuple("\uFFFD\u0430", 0u, 1u));
}

// Fortunes-ru in each page: what the page has is iconv's byte, anything else one replacement; and
// back to UTF-8 it is the text without what the page lacks, as iconv reads it.
TEST(Utf8Recoding, AgreesWithIconvOnRealText) {
  const char* const charsets[] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MAC-CYRILLIC"};
  std::mt19937 random(866);
  for (const std::string& name : texts) {
    const std::string utf8 = RussianText(name);
    const std::u32string points = CodePoints(utf8);
    for (CodePage page : {Ansi, Oem, Koi8, Iso, Mac}) {
      std::map<char32_t, unsigned char> bytes;
      const auto characters = DecodeWithIconv(page);
      for (int b = 0; b < 256; ++b) bytes.emplace(characters[b], static_cast<unsigned char>(b));
      std::string expected;
      std::u32string kept;
      std::size_t replaced = 0;
      for (char32_t c : points) {
        auto found = bytes.find(c);
        if (found != bytes.end()) {
          expected += static_cast<char>(found->second);
          kept += c;
        } else {
          const PageSpelling spelling = SpellInPage(page, c);
          expected.append(spelling.bytes, spelling.length);
          ++replaced;
        }
      }
      const Converted converted = FromUtf8(page, utf8, random, 5000);
      EXPECT_TRUE(converted.text == expected) << name << " to " << charsets[page];
      EXPECT_EQ(std::tuple(converted.replaced, converted.invalidBytes), std::tuple(replaced, 0u)) << name << " to " << charsets[page];

      std::string back;
      const std::string pageText = ConvertFromUtf8(utf8, charsets[page]);
      for (std::size_t at = 0; at < pageText.size(); at += 4096) {
        EXPECT_EQ(AppendPageAsUtf8(page, std::string_view(pageText).substr(at, 4096), back), 0u);
      }
      EXPECT_TRUE(CodePoints(back) == kept) << name << " from " << charsets[page];
      EXPECT_TRUE(RecodeText(pageText, page, Utf8).bytes == back) << name << " whole from " << charsets[page];
    }
  }
}

// Text with every kind of character and of broken sequence, in chunks of every size, against a
// character-at-a-time model: each valid character spelt in the page, each other byte kept.
TEST(Utf8Recoding, ChunksDoNotMatterAndInvalidBytesStay) {
  std::mt19937 random(20261208);
  const std::string pieces[] = {"\xD0\xB6", "\xD1\x8F", "\xD0\x81", " ", "abc, ", "\r\n", "\xE2\x80\x94", "\xE2\x84\x96",
                                "\xC2\xAB", "\xF0\x9F\x98\x80", "\xE2\x95\x94", "\xC3\xA9", "\xFF", "\x80", "\xBF\xBF",
                                "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xD0", "\xE2\x80", "\xF0\x9F\x98"};
  for (int round = 0; round < 200; ++round) {
    // Half the texts mostly Cyrillic letters, so the fast blocks are taken, though what starts them may not be.
    std::string utf8 = pieces[random() % std::size(pieces)];
    const bool rare = round % 2;
    while (utf8.size() < 3000) utf8 += pieces[random() % (rare ? std::size(pieces) : 4)];
    const auto* at = reinterpret_cast<const unsigned char*>(utf8.data());
    for (CodePage page : {Ansi, Oem, Koi8, Iso, Mac}) {
      Converted model;
      std::size_t characters = 0;  // as the UTF-8 view counts them: a byte that starts none is one
      for (std::size_t i = 0; i < utf8.size(); ++characters) {
        const Utf8Sequence sequence = DecodeUtf8(at + i, utf8.size() - i);
        if (sequence.status == Utf8Status::Valid) {
          const PageSpelling spelling = SpellInPage(page, sequence.codePoint);
          model.text.append(spelling.bytes, spelling.length);
          model.replaced += spelling.replaced;
          i += sequence.length;
        } else {
          model.text += utf8[i++];
          ++model.invalidBytes;
        }
      }
      EXPECT_EQ(Utf8CharacterCount(at, utf8.size()), characters);
      const RecodedText whole = RecodeText(utf8, Utf8, page);
      EXPECT_TRUE(whole.bytes == model.text) << "round " << round << " page " << page << " whole";
      EXPECT_EQ(std::tuple(whole.replaced, whole.invalid), std::tuple(model.replaced, model.invalidBytes));
      for (std::size_t largestChunk : {std::size_t{0}, std::size_t{7}, std::size_t{700}}) {
        const Converted converted = FromUtf8(page, utf8, random, largestChunk);
        EXPECT_TRUE(converted.text == model.text) << "round " << round << " page " << page << " chunks " << largestChunk;
        EXPECT_EQ(std::tuple(converted.replaced, converted.invalidBytes), std::tuple(model.replaced, model.invalidBytes));
      }
    }
  }
}
