#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "codepages/utf8_recoding.h"
#include "engine/rtf_reader.h"

namespace {

std::string ReadData(const std::string& name) {
  std::ifstream file(std::string(ZORN2_SOURCE_DIR) + "/tests/data/rtf/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// A document in Windows-1251 around `body`.
std::string Doc(const std::string& body) { return "{\\rtf1\\ansi\\ansicpg1251 " + body + "}"; }

const CodePage targets[] = {Ansi, Oem, Koi8};

}  // namespace

// Documents written by real word processors give back the source text in every view code page.
TEST(RtfReader, RealDocumentsGiveTheirText) {
  const char* expected[] = {"russian.cp1251.txt", "russian.cp866.txt", "russian.koi8-r.txt"};
  std::string utf8;  // the Windows-1251 text has every character of the documents
  AppendPageAsUtf8(Ansi, ReadData(expected[0]), utf8);
  for (const char* document : {"russian-libreoffice.rtf", "russian-libreoffice-doc.rtf", "russian-abiword.rtf"}) {
    std::string rtf = ReadData(document);
    ASSERT_FALSE(rtf.empty()) << document;
    for (int t = 0; t < 3; ++t) EXPECT_EQ(RtfToText(rtf, targets[t]), ReadData(expected[t])) << document;
    EXPECT_EQ(RtfToText(rtf, Utf8), utf8) << document;
  }
}

TEST(RtfReader, RulesOneExampleEach) {
  const std::string latin = "\\'e9\\'a9\\'ab\\'85\\'97";  // e acute, copyright, guillemet, ellipsis, em dash
  const std::string typographic = Doc("\\emdash\\u8230?\\u171?\\bullet\\u8470?\\~");
  const std::size_t depth = 200000;
  const struct { std::string rtf; CodePage target; std::string text; } cases[] = {
      // The blank after a word is its delimiter; a second blank is text; other characters end a word too.
      {Doc("a\\b  b\\b0\\i,c"), Ansi, "a b,c"},
      // Negative parameters; a '-' with no digit after it is text. Control symbols.
      {Doc("\\li-200 a\\fi- b"), Ansi, "a- b"},
      {Doc("\\{x\\}\\\\"), Ansi, "{x}\\"},
      {Doc("a\\~b\\-c\\_d"), Ansi, "a\xA0" "bc-d"},
      // Raw line ends of the source are not text, a backslash before one is \par.
      {Doc("a\\par b\\line\r\nc\\tab d\r\ne\\\nf"), Ansi, "a\r\nb\r\nc\tde\r\nf"},
      // \ansicpg wins over a character set word, in either order; \pc is the DOS code page;
      // raw 8-bit bytes are read like \'hh, upper-case hex digits too.
      {"{\\rtf1\\ansicpg1251\\ansi \\'e0}", Ansi, "\xE0"},
      {"{\\rtf1\\pc \\'a0}", Ansi, "\xE0"},
      {"{\\rtf1\\ansicpg1251 \xC0\\'E0}", Oem, "\x80\xA0"},
      // Windows-1252 (also the default): what the target has is kept, the rest is '?'.
      {"{\\rtf1\\ansi " + latin + "}", Ansi, "?\xA9\xAB\x85\x97"},
      {"{\\rtf1 " + latin + "}", Oem, "??\"...-"},
      {"{\\rtf1\\ansicpg1250 a\\'e0\xE0}", Ansi, "a??"},  // a code page the reader does not know keeps ASCII only
      // A font's charset names its text's code page: \deff1 is Cyrillic, f0 follows \ansicpg,
      // f2 is OEM, f3 a code page not known, f4 names its own.
      {"{\\rtf1\\ansi\\ansicpg1252\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset204 Times;}"
       "{\\f2\\fmodern\\fcharset255 Terminal;}{\\f3\\fnil\\fcharset238 CE;}{\\f4\\cpg866 Dos;}}"
       "\\'e0{\\f0\\'e9}{\\f2\\'a0}{\\f3\\'e0}{\\f4\\'a0}\\plain\\'e0\\f0\\'e0}",
       Ansi, "\xE0?\xE0?\xE0\xE0?"},
      // \uN replaces its fallback: one character by default, \ucN characters, a \'hh counting as one,
      // a control word as one; a brace ends the fallback; \ucN belongs to its group.
      {Doc("\\u1040?\\u1041 ?b"), Ansi, "\xC0\xC1" "b"},
      {Doc("\\uc2\\u1040\\'3f\\'3fb\\uc0\\u1041 c"), Ansi, "\xC0" "b\xC1" "c"},
      {Doc("\\uc2\\u1040\\par xb{\\u1041}c"), Ansi, "\xC0" "b\xC1" "c"},
      {Doc("\\uc0{\\uc3\\u1040 xyz}\\u1040 x"), Ansi, "\xC0\xC0x"},
      {Doc("a{\\uc0 \\u1040 b}\\u1040 xc"), Ansi, "a\xC0" "b\xC0" "c"},
      // A surrogate pair (negative parameters count from 65536) is one '?', so are out-of-range
      // values; U+0000 never reaches the text.
      {Doc("\\u-10179?\\u-8704?a\\u99999999999 ?b"), Ansi, "?a?b"},
      {Doc("a\\u0 ?b"), Ansi, "ab"},
      // Typographic characters in each target.
      {typographic, Ansi, "\x97\x85\xAB\x95\xB9\xA0"},
      {typographic, Oem, "-...\"\xF9\xFC\xFF"},
      {typographic, Koi8, "-...\"\x95N\x9A"},
      {typographic, Utf8, "\xE2\x80\x94\xE2\x80\xA6\xC2\xAB\xE2\x80\xA2\xE2\x84\x96\xC2\xA0"},
      {Doc("\\lquote\\rquote\\ldblquote\\rdblquote\\endash"), Oem, "''\"\"-"},
      // Binary data, braces in it included, is skipped in and out of a destination;
      // field results and list text are text.
      {Doc("a{\\pict\\bin3 }}}x}b\\bin2 {{c"), Ansi, "abc"},
      {Doc("{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}{\\listtext 1.\\tab}x"), Ansi, "71.\tx"},
      // Tables: cells end in a TAB, rows in a line break; only a cell's own TAB is taken back.
      {Doc("\\trowd a\\cell b\\cell\\row\\trowd c\\cell \\cell\\row d"), Ansi, "a\tb\r\nc\t\r\nd"},
      {Doc("ab{\\fonttbl\\cell}\\row c\\cell\\par\\row"), Ansi, "ab\r\nc\t\r\n\r\n"},
      {"\r\n {\\rtf1 a}", Ansi, "a"},  // blanks before the signature are allowed
      // Malformed input is read as far as it makes sense (that it is read safely is the fuzz target's part):
      // groups left open, a surplus '}', truncated escapes, huge parameters, NUL bytes.
      {"{\\rtf1 a{\\b b", Ansi, "ab"}, {"{\\rtf1 a}}b}", Ansi, "ab"}, {"{\\rtf1 a\\'4", Ansi, "a?"},
      {"{\\rtf1 {\\uc99999999999999999999\\u1040 xyz}b}", Ansi, "\xC0" "b"},
      {"{\\rtf1 \\bin-5 a\\uc-3\\u1040 b}", Ansi, "a\xC0" "b"}, {std::string("{\\rtf1 a\0b\\'00c}", 16), Ansi, "abc"},
      // Deep nesting costs no stack and restores state, closed, unclosed or skipped.
      {"{\\rtf1\\uc0 " + std::string(depth, '{') + "\\uc1 a" + std::string(depth, '}') + "\\u1040 x}", Ansi, "a\xC0x"},
      {"{\\rtf1 " + std::string(depth, '{') + "a", Ansi, "a"},
      {"{\\rtf1 b{\\*" + std::string(depth, '{') + "a" + std::string(depth, '}') + "}c}", Ansi, "bc"},
      // Without the signature's "1" the text is no RTF and comes back unchanged (the fuzz target
      // checks the same for text not starting like RTF at all).
      {"{\\rtfx}", Oem, "{\\rtfx}"},
  };
  for (const auto& c : cases) EXPECT_EQ(RtfToText(c.rtf, c.target), c.text) << c.rtf.substr(0, 80);
  // Destinations without text are skipped: the font table, the first and last of the skipped
  // words, and any \* word.
  for (const char* name : {"fonttbl", "aftncn", "xmlnstbl", "*\\unknown", "*\\fldinst"}) {
    EXPECT_EQ(RtfToText(Doc(std::string("a{\\") + name + " hidden {\\b nested\\} \\{ } \\u1040 x}b"), Ansi), "ab") << name;
  }
}

