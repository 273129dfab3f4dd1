#include "codepages/code_page_guess.h"

#include <gtest/gtest.h>

#include <string>

#include "iconv_texts.h"

TEST(CodePageGuess, RealTextInEachCodePage) {
  for (const char* name : {"life", "love", "work", "polit", "knowledge", "haiku"}) {
    const std::string text = RussianText(name);
    EXPECT_EQ(GuessViewCodePage(ConvertFromUtf8(text, "CP1251")), Ansi) << name;
    EXPECT_EQ(GuessViewCodePage(ConvertFromUtf8(text, "CP866")), Oem) << name;
    EXPECT_EQ(GuessViewCodePage(ConvertFromUtf8(text, "KOI8-R")), Koi8) << name;
  }
}

TEST(CodePageGuess, CountsTiesAndTheSample) {
  const std::string filler(codePageGuessSample - 1, 'x'), shorter(codePageGuessSample - 3, 'x');
  const std::string life = RussianText("life");
  const struct { std::string text; CodePage guess; } cases[] = {
      {"", Ansi}, {"plain ASCII text", Ansi},
      // One frequent Windows-1251 letter (т) against one DOS-866 letter (А): a tie goes to Ansi...
      {"\xF2 \x80", Ansi},
      // ...or to Koi8 when a KOI8-R capital and small letter follow a non-letter (" Ва"),
      // so a Windows-1251 word like "вЗАГС" after a blank reads as KOI8-R too.
      {"\xF2 \x80 \xF7\xC1", Koi8}, {"\xF2\xF3 \xE2\xC7\xC0\xC3\xD1", Koi8},
      // More DOS-866 bytes win over the pattern; the pattern needs a non-letter first: "a" does not do.
      {"\xF2 \x80\xB0 \xF7\xC1", Oem}, {"a\xF7\xC1", Ansi},
      // Only the sample counts, and the KOI8-R pattern must lie wholly inside it.
      {filler + "\x80", Oem}, {filler + "x\x80\x80\x80", Ansi},
      {shorter + " \xF7\xC1", Koi8}, {shorter + "x \xF7\xC1", Ansi},
      // A DOS-866 section after a Windows-1251 start does not change the guess.
      {ConvertFromUtf8(life, "CP1251").substr(0, codePageGuessSample) + ConvertFromUtf8(life, "CP866"), Ansi},
  };
  for (const auto& c : cases) EXPECT_EQ(GuessViewCodePage(c.text), c.guess) << c.text.substr(0, 40);
}
