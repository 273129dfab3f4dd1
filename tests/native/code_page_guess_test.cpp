#include "conversion/code_page_guess.h"

#include <gtest/gtest.h>

#include <string>

#include "russian_texts.h"

TEST(CodePageGuess, RealTextInEachCodePage) {
  for (const char* name : {"life", "love", "work", "polit", "knowledge", "haiku"}) {
    const std::string text = RussianText(name);
    EXPECT_EQ(GuessViewCodePage(ConvertFromUtf8(text, "CP1251")), Ansi) << name;
    EXPECT_EQ(GuessViewCodePage(ConvertFromUtf8(text, "CP866")), Oem) << name;
    EXPECT_EQ(GuessViewCodePage(ConvertFromUtf8(text, "KOI8-R")), Koi8) << name;
  }
}

TEST(CodePageGuess, CountsAndTies) {
  EXPECT_EQ(GuessViewCodePage(""), Ansi);
  EXPECT_EQ(GuessViewCodePage("plain ASCII text"), Ansi);
  // One frequent Windows-1251 letter (т) against one DOS-866 letter (А): a tie goes to Ansi...
  EXPECT_EQ(GuessViewCodePage("\xF2 \x80"), Ansi);
  // ...or to Koi8 when a KOI8-R capital and small letter follow a non-letter (" Ва").
  EXPECT_EQ(GuessViewCodePage("\xF2 \x80 \xF7\xC1"), Koi8);
  // So a Windows-1251 word like "вЗАГС" after a blank reads as KOI8-R too.
  EXPECT_EQ(GuessViewCodePage("\xF2\xF3 \xE2\xC7\xC0\xC3\xD1"), Koi8);
  // More DOS-866 bytes win over the pattern.
  EXPECT_EQ(GuessViewCodePage("\xF2 \x80\xB0 \xF7\xC1"), Oem);
  // The pattern needs a non-letter first: "a" (0x61) does not do.
  EXPECT_EQ(GuessViewCodePage("a\xF7\xC1"), Ansi);
}

TEST(CodePageGuess, OnlyTheSampleCounts) {
  const std::string filler(codePageGuessSample - 1, 'x');
  EXPECT_EQ(GuessViewCodePage(filler + "\x80"), Oem);
  EXPECT_EQ(GuessViewCodePage(filler + "x\x80\x80\x80"), Ansi);
  // The KOI8-R pattern must lie wholly inside the sample.
  const std::string shorter(codePageGuessSample - 3, 'x');
  EXPECT_EQ(GuessViewCodePage(shorter + " \xF7\xC1"), Koi8);
  EXPECT_EQ(GuessViewCodePage(shorter + "x \xF7\xC1"), Ansi);
  // A DOS-866 section after a Windows-1251 start does not change the guess.
  const std::string text = RussianText("life");
  const std::string start = ConvertFromUtf8(text, "CP1251").substr(0, codePageGuessSample);
  EXPECT_EQ(GuessViewCodePage(start + ConvertFromUtf8(text, "CP866")), Ansi);
}
