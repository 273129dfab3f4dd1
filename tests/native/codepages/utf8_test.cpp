// The UTF-8 decoder and encoder against Python's codec, and the UTF-8 guess on real text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "codepages/code_page_guess.h"
#include "codepages/utf8.h"
#include "iconv_texts.h"
#include "shell_run.h"

namespace {

std::string Hex(std::string_view bytes) {
  std::string hex;
  char digits[3];
  for (unsigned char b : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", b);
    hex += digits;
  }
  return hex;
}

// Python's answers (tests/native/codepages/utf8_oracle.py) to `questions`, one line each.
std::vector<std::string> AskPython(const std::string& questions) {
  const ShellRun run = RunWithInput("python3 " ZORN2_SOURCE_DIR "/tests/native/codepages/utf8_oracle.py", questions);
  EXPECT_EQ(run.exitCode, 0) << "python3 failed: " << run.err;
  std::vector<std::string> lines;
  std::istringstream stream(run.out);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// What Python prints for `bytes`, worked out with DecodeUtf8: a byte that starts no character, or
// whose sequence the end cuts, stands for itself as U+DC80..U+DCFF.
std::string DecodedAsPythonPrints(std::string_view bytes) {
  const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
  std::ostringstream out;
  out << std::uppercase << std::hex;
  std::size_t i = 0, waiting = 0;
  const char* separator = "";
  while (i < bytes.size()) {
    const Utf8Sequence sequence = DecodeUtf8(at + i, bytes.size() - i);
    if (sequence.status == Utf8Status::Cut) {
      EXPECT_EQ(sequence.length, bytes.size() - i);
      waiting = sequence.length;
    }
    const std::size_t length = sequence.status == Utf8Status::Valid ? sequence.length : 1;
    out << separator << (sequence.status == Utf8Status::Valid ? sequence.codePoint : 0xDC00 + at[i]);
    separator = " ";
    i += length;
  }
  out << " | " << std::dec << waiting;
  return out.str();
}

// Short strings where every kind of lead byte meets continuation bytes at the edges of their
// ranges: valid sequences, overlong ones, surrogates, numbers above U+10FFFF, 5- and 6-byte
// forms, lone continuation bytes, and sequences the end cuts.
std::string RandomUtf8Like(std::mt19937& random) {
  static const unsigned char leads[] = {0x41, 0x7F, 0xC0, 0xC1, 0xC2, 0xD0, 0xDF, 0xE0, 0xE1, 0xEC, 0xED, 0xEE, 0xEF,
                                        0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xF7, 0xF8, 0xFC, 0xFD, 0xFE, 0xFF, 0x80, 0xBF};
  static const unsigned char continuations[] = {0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0x7F, 0xC0};
  std::string bytes;
  const int pieces = 1 + static_cast<int>(random() % 4);
  for (int p = 0; p < pieces; ++p) {
    const unsigned char lead = leads[random() % std::size(leads)];
    bytes += static_cast<char>(lead);
    const int followers = static_cast<int>(random() % 6);
    for (int f = 0; f < followers; ++f) {
      const bool edge = random() % 2;
      bytes += static_cast<char>(edge ? continuations[random() % std::size(continuations)] : 0x80 + random() % 0x40);
    }
  }
  return bytes;
}

std::vector<std::string> Samples() {
  std::vector<std::string> samples;
  std::mt19937 random(20261208);
  for (int i = 0; i < 4000; ++i) samples.push_back(RandomUtf8Like(random));
  for (const char* name : {"work", "computer", "citates", "M$"}) samples.push_back(RussianText(name));
  return samples;
}

}  // namespace

TEST(Utf8, DecodesAsPythonOnRandomBytesAndRealText) {
  const std::vector<std::string> samples = Samples();
  std::string questions;
  for (const std::string& sample : samples) questions += "D " + Hex(sample) + "\n";
  const std::vector<std::string> answers = AskPython(questions);
  ASSERT_EQ(answers.size(), samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    EXPECT_EQ(DecodedAsPythonPrints(samples[i]), answers[i]) << "bytes " << Hex(samples[i].substr(0, 40));
  }
}

TEST(Utf8, EncodesAsPython) {
  std::vector<char32_t> codePoints = {0, 0x7F, 0x80, 0x7FF, 0x800, 0xD7FF, 0xD800, 0xDBFF, 0xDC00, 0xDFFF,
                                      0xE000, 0xFFFD, 0xFFFF, 0x10000, 0x10FFFF, 0x110000, 0x1FFFFF};
  std::mt19937 random(1251);
  for (int i = 0; i < 3000; ++i) codePoints.push_back(random() % 0x112000);
  std::string questions;
  char question[16];
  for (char32_t c : codePoints) {
    std::snprintf(question, sizeof question, "E %X\n", static_cast<unsigned>(c));
    questions += question;
  }
  const std::vector<std::string> answers = AskPython(questions);
  ASSERT_EQ(answers.size(), codePoints.size());
  for (std::size_t i = 0; i < codePoints.size(); ++i) {
    char bytes[maxUtf8Length];
    const std::size_t length = EncodeUtf8(codePoints[i], bytes);
    EXPECT_EQ(length == 0 ? "-" : Hex(std::string_view(bytes, length)), answers[i]) << std::hex << static_cast<unsigned>(codePoints[i]);
  }
}

// UTF-16 for the clipboard, against a sequence-at-a-time model: each valid character is kept,
// each byte that starts none is U+FFFD; a pair of surrogates is one character, a lone one U+FFFD.
TEST(Utf8, GoesToUtf16AndBackCharacterByCharacter) {
  for (const std::string& sample : Samples()) {
    std::string kept;
    const auto* at = reinterpret_cast<const unsigned char*>(sample.data());
    for (std::size_t i = 0; i < sample.size();) {
      const Utf8Sequence sequence = DecodeUtf8(at + i, sample.size() - i);
      const bool valid = sequence.status == Utf8Status::Valid;
      kept += valid ? sample.substr(i, sequence.length) : "\xEF\xBF\xBD";
      i += valid ? sequence.length : 1;
    }
    const std::u16string utf16 = Utf16FromUtf8(sample);
    EXPECT_TRUE(Utf8FromUtf16(utf16) == kept) << Hex(sample.substr(0, 40));
    EXPECT_EQ(Utf8CharacterCount(reinterpret_cast<const unsigned char*>(kept.data()), kept.size()),
              utf16.size() - static_cast<std::size_t>(std::count_if(utf16.begin(), utf16.end(), [](char16_t c) {
                return c >= 0xDC00 && c <= 0xDFFF;
              })));
  }
  EXPECT_EQ(Utf16FromUtf8("a\xF0\x9F\x98\x80\xD0\x96"), u"a\U0001F600\u0416");
  EXPECT_EQ(Utf8FromUtf16(u"\U0001F3FF\xDFFF"), "\xF0\x9F\x8F\xBF\xEF\xBF\xBD");  // DFFF, the last low surrogate: paired, alone
  EXPECT_EQ(Utf8FromUtf16(u"\xD83D"), "\xEF\xBF\xBD");              // a high surrogate at the end
  EXPECT_EQ(Utf8FromUtf16(u"\xDE00\xD83Dx"), "\xEF\xBF\xBD\xEF\xBF\xBDx");  // low first, high then no low
}

// Every collection of fortunes-ru is taken for UTF-8, and none of its versions in the three
// code pages a text is viewed in.
TEST(Utf8Guess, TellsUtf8FromTheViewCodePagesOnRealText) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/usr/share/games/fortunes/ru")) {
    if (entry.path().extension() != ".u8") continue;
    ++files;
    const std::string utf8 = RussianText(entry.path().filename().string());
    EXPECT_TRUE(SampleLooksLikeUtf8(utf8)) << entry.path();
    for (const char* charset : {"CP1251", "CP866", "KOI8-R"}) {
      EXPECT_FALSE(SampleLooksLikeUtf8(ConvertFromUtf8(utf8, charset))) << entry.path() << " in " << charset;
    }
  }
  EXPECT_GT(files, 0);
}

TEST(Utf8Guess, LooksAtTheSampleOnly) {
  const std::string ascii(codePageGuessSample - 1, 'a');
  const struct { std::string text; bool utf8; } cases[] = {
      {"", false},
      {"plain ASCII", false},
      {"\xD1\x91", true},                            // ё
      {ascii + "\xD1", false},                       // only a cut sequence
      {"\xD1\x91" + ascii.substr(2) + "\xE2\x80", true},  // cut by the sample's end: valid
      {"\xD1\x91 \xFF", false},
      {"\xD1\x91 \xD0", true},                      // cut by the text's end
      {"\xD1\x91" + ascii + "\xFF", true},           // the invalid byte is past the sample
      {"\xD1\x91 \xED\xA0\x80", false},             // a surrogate
      {"\xD1\x91 \xC0\xAF", false},                 // overlong
  };
  for (const auto& c : cases) EXPECT_EQ(SampleLooksLikeUtf8(c.text), c.utf8) << Hex(c.text.substr(0, 8));
}
