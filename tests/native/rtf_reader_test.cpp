#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "editor/engine/rtf_reader.h"

namespace {

std::string ReadData(const std::string& name) {
  std::ifstream file(std::string(ZORN2_SOURCE_DIR) + "/tests/data/rtf/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// A document in Windows-1251 around `body`.
std::string Doc(const std::string& body) { return "{\\rtf1\\ansi\\ansicpg1251 " + body + "}"; }
std::string ToAnsi(const std::string& rtf) { return RtfToText(rtf, Ansi); }

const CodePage targets[] = {Ansi, Oem, Koi8};

}  // namespace

// Documents written by real word processors give back the source text in every view code page.
TEST(RtfReader, RealDocumentsGiveTheirText) {
  const char* expected[] = {"russian.cp1251.txt", "russian.cp866.txt", "russian.koi8-r.txt"};
  for (const char* document :
       {"russian-libreoffice.rtf", "russian-libreoffice-doc.rtf", "russian-abiword.rtf"}) {
    std::string rtf = ReadData(document);
    ASSERT_FALSE(rtf.empty()) << document;
    for (int t = 0; t < 3; ++t) {
      EXPECT_EQ(RtfToText(rtf, targets[t]), ReadData(expected[t])) << document << " into " << expected[t];
    }
  }
}

TEST(RtfReader, ControlWordGrammar) {
  // The blank after a word is its delimiter; a second blank is text; other characters end a word too.
  EXPECT_EQ(ToAnsi(Doc("a\\b  b\\b0\\i,c")), "a b,c");
  // Negative parameters; a '-' with no digit after it is text.
  EXPECT_EQ(ToAnsi(Doc("\\li-200 a\\fi- b")), "a- b");
  // Control symbols.
  EXPECT_EQ(ToAnsi(Doc("\\{x\\}\\\\")), "{x}\\");
  EXPECT_EQ(ToAnsi(Doc("a\\~b\\-c\\_d")), "a\xA0" "bc-d");
  // Breaks and tabs; raw line ends of the source are not text, a backslash before one is \par.
  EXPECT_EQ(ToAnsi(Doc("a\\par b\\line\r\nc\\tab d\r\ne\\\nf")), "a\r\nb\r\nc\tde\r\nf");
  // Groups restore what they change, and text around them runs on.
  EXPECT_EQ(ToAnsi(Doc("a{\\uc0 \\u1040 b}\\u1040 xc")), "a\xC0" "b\xC0" "c");
}

TEST(RtfReader, HexBytesFollowTheDocumentCodePage) {
  // The capital and small A and YO in each source code page.
  struct Source { const char* codePage; const char* bytes; } sources[] = {
      {"1251", "\\'c0\\'e0\\'a8\\'b8"}, {"866", "\\'80\\'a0\\'f0\\'f1"}, {"20866", "\\'e1\\'c1\\'b3\\'a3"},
      {"28595", "\\'b0\\'d0\\'a1\\'f1"}, {"10007", "\\'80\\'e0\\'dd\\'de"},
  };
  const char* results[] = {"\xC0\xE0\xA8\xB8", "\x80\xA0\xF0\xF1", "\xE1\xC1\xB3\xA3"};
  for (const Source& source : sources) {
    std::string rtf = std::string("{\\rtf1\\ansi\\ansicpg") + source.codePage + " " + source.bytes + "}";
    for (int t = 0; t < 3; ++t) EXPECT_EQ(RtfToText(rtf, targets[t]), results[t]) << source.codePage;
  }
  // \ansicpg wins over a character set word, in either order; \pc is the DOS code page.
  EXPECT_EQ(ToAnsi("{\\rtf1\\ansicpg1251\\ansi \\'e0}"), "\xE0");
  EXPECT_EQ(ToAnsi("{\\rtf1\\pc \\'a0}"), "\xE0");
  // Raw 8-bit bytes are read like \'hh; upper-case hex digits too.
  EXPECT_EQ(RtfToText("{\\rtf1\\ansicpg1251 \xC0\\'E0}", Oem), "\x80\xA0");
}

TEST(RtfReader, LatinAndUnknownCodePages) {
  // Windows-1252 (also the default): what the target has is kept, the rest is '?'.
  std::string latin = "\\'e9\\'a9\\'ab\\'85\\'97";  // e acute, copyright, guillemet, ellipsis, em dash
  EXPECT_EQ(ToAnsi("{\\rtf1\\ansi\\ansicpg1252 " + latin + "}"), "?\xA9\xAB\x85\x97");
  EXPECT_EQ(ToAnsi("{\\rtf1\\ansi " + latin + "}"), "?\xA9\xAB\x85\x97");
  EXPECT_EQ(RtfToText("{\\rtf1 " + latin + "}", Oem), "??\"...-");
  // A code page the reader does not know keeps ASCII only.
  EXPECT_EQ(ToAnsi("{\\rtf1\\ansicpg1250 a\\'e0\xE0}"), "a??");
}

TEST(RtfReader, FontCharsetNamesTheCodePageOfItsText) {
  std::string fonts =
      "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset204 Times;}"
      "{\\f2\\fmodern\\fcharset255 Terminal;}{\\f3\\fnil\\fcharset238 CE;}{\\f4\\cpg866 Dos;}}";
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff1" + fonts +
                    "\\'e0{\\f0\\'e9}{\\f2\\'a0}{\\f3\\'e0}{\\f4\\'a0}\\plain\\'e0\\f0\\'e0}";
  // \deff1 is Cyrillic, f0 follows \ansicpg, f2 is OEM, f3 a code page not known, f4 names its own.
  EXPECT_EQ(ToAnsi(rtf), "\xE0?\xE0?\xE0\xE0?");
}

TEST(RtfReader, UnicodeWithFallbacks) {
  // \uN replaces its fallback: one character by default, \ucN characters, a \'hh counting as one.
  EXPECT_EQ(ToAnsi(Doc("\\u1040?\\u1041 ?b")), "\xC0\xC1" "b");
  EXPECT_EQ(ToAnsi(Doc("\\uc2\\u1040\\'3f\\'3fb\\uc0\\u1041 c")), "\xC0" "b\xC1" "c");
  // A control word in the fallback counts as one character; a brace ends the fallback.
  EXPECT_EQ(ToAnsi(Doc("\\uc2\\u1040\\par xb{\\u1041}c")), "\xC0" "b\xC1" "c");
  // \ucN belongs to its group.
  EXPECT_EQ(ToAnsi(Doc("\\uc0{\\uc3\\u1040 xyz}\\u1040 x")), "\xC0\xC0x");
}

TEST(RtfReader, UnicodeTheTargetLacks) {
  // A surrogate pair (negative parameters count from 65536) is one '?'; out-of-range values are '?'.
  EXPECT_EQ(ToAnsi(Doc("\\u-10179?\\u-8704?a\\u99999999999 ?b")), "?a?b");
  // U+0000 never reaches the text.
  EXPECT_EQ(ToAnsi(Doc("a\\u0 ?b")), "ab");
  // Typographic characters in each target: em dash, ellipsis, guillemet, bullet, numero sign, nbsp.
  std::string rtf = Doc("\\emdash\\u8230?\\u171?\\bullet\\u8470?\\~");
  EXPECT_EQ(RtfToText(rtf, Ansi), "\x97\x85\xAB\x95\xB9\xA0");
  EXPECT_EQ(RtfToText(rtf, Oem), "-...\"\xF9\xFC\xFF");
  EXPECT_EQ(RtfToText(rtf, Koi8), "-...\"\x95N\x9A");
  EXPECT_EQ(RtfToText(Doc("\\lquote\\rquote\\ldblquote\\rdblquote\\endash"), Oem), "''\"\"-");
}

TEST(RtfReader, DestinationsWithoutTextAreSkipped) {
  // The font table, the first and last of the skipped words, and any \* word.
  for (const char* name : {"fonttbl", "aftncn", "xmlnstbl", "*\\unknown", "*\\fldinst"}) {
    std::string rtf = Doc(std::string("a{\\") + name + " hidden {\\b nested\\} \\{ } \\u1040 x}b");
    EXPECT_EQ(ToAnsi(rtf), "ab") << name;
  }
  // Binary data, braces in it included, is skipped in and out of a destination.
  EXPECT_EQ(ToAnsi(Doc("a{\\pict\\bin3 }}}x}b\\bin2 {{c")), "abc");
  // Field results and list text are text.
  EXPECT_EQ(ToAnsi(Doc("{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}{\\listtext 1.\\tab}x")), "71.\tx");
}

TEST(RtfReader, TablesSeparateCellsWithTabs) {
  EXPECT_EQ(ToAnsi(Doc("\\trowd a\\cell b\\cell\\row\\trowd c\\cell \\cell\\row d")), "a\tb\r\nc\t\r\nd");
  // Only a cell's own TAB is taken back.
  EXPECT_EQ(ToAnsi(Doc("ab{\\fonttbl\\cell}\\row c\\cell\\par\\row")), "ab\r\nc\t\r\n\r\n");
}

TEST(RtfReader, TextThatIsNotRtfComesBackUnchanged) {
  for (std::string text : {std::string(""), std::string("plain \\par {text}"), std::string("{\\rtfx}"),
                           std::string("a\0\xE0\r\n", 5), std::string("{\\rt")}) {
    EXPECT_EQ(RtfToText(text, Oem), text);
  }
  // Blanks before the signature are allowed.
  EXPECT_EQ(ToAnsi("\r\n {\\rtf1 a}"), "a");
}

TEST(RtfReader, MalformedInputIsReadAsFarAsItMakesSense) {
  // Groups left open; a surplus '}' closes nothing and the text after it is kept.
  EXPECT_EQ(ToAnsi("{\\rtf1 a{\\b b"), "ab");
  EXPECT_EQ(ToAnsi("{\\rtf1 a}}b}"), "ab");
  EXPECT_EQ(ToAnsi("{\\rtf1 {\\fonttbl{\\f0 Arial;}"), "");
  // Truncated control words and escapes.
  EXPECT_EQ(ToAnsi("{\\rtf1 a\\par"), "a\r\n");
  EXPECT_EQ(ToAnsi("{\\rtf1 a\\"), "a");
  EXPECT_EQ(ToAnsi("{\\rtf1 a\\'"), "a?");
  EXPECT_EQ(ToAnsi("{\\rtf1 a\\'4"), "a?");
  EXPECT_EQ(ToAnsi("{\\rtf1 a\\'zzb}"), "a?zzb");
  EXPECT_EQ(ToAnsi("{\\rtf1 a\\u"), "a");
  // Huge parameters saturate; \bin past the end stops there; huge \uc swallows only to the brace.
  EXPECT_EQ(ToAnsi("{\\rtf1 a\\bin99999999999999999999 xyz}"), "a");
  EXPECT_EQ(ToAnsi("{\\rtf1 {\\uc99999999999999999999\\u1040 xyz}b}"), "\xC0" "b");
  EXPECT_EQ(ToAnsi("{\\rtf1 \\bin-5 a\\uc-3\\u1040 b}"), "a\xC0" "b");
  // NUL bytes are not text.
  EXPECT_EQ(ToAnsi(std::string("{\\rtf1 a\0b\\'00c}", 16)), "abc");
  // A destination marker outside any inner group does not drop the document.
  EXPECT_EQ(ToAnsi("{\\rtf1\\*\\generator x; a\\fonttbl b}"), "x; ab");
}

TEST(RtfReader, DeepNestingCostsNoStackAndRestoresState) {
  const std::size_t depth = 200000;
  std::string rtf = "{\\rtf1\\uc0 " + std::string(depth, '{') + "\\uc1 a" + std::string(depth, '}') +
                    "\\u1040 x}";
  EXPECT_EQ(ToAnsi(rtf), "a\xC0x");
  // Unclosed, and skipped as a destination.
  EXPECT_EQ(ToAnsi("{\\rtf1 " + std::string(depth, '{') + "a"), "a");
  EXPECT_EQ(ToAnsi("{\\rtf1 b{\\*" + std::string(depth, '{') + "a" + std::string(depth, '}') + "}c}"), "bc");
}
