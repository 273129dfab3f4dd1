#include <gtest/gtest.h>

#include <string>

#include "codepages/code_pages.h"
#include "codepages/transliteration.h"
#include "codepages/utf8_latin.h"
#include "iconv_texts.h"

namespace {

// `utf8` in the bytes of a view code page.
std::string In(CodePage codePage, const std::string& utf8) {
  const char* const names[] = {"CP1251", "CP866", "KOI8-R"};
  return codePage == Utf8 ? utf8 : ConvertFromUtf8(utf8, names[codePage]);
}

std::string Transliterated(const std::string& text, CodePage view) {
  return view == Utf8 ? WriteLatinInUtf8(text, LatinCommand::Translit) : Transliterate(text, view);
}

}  // namespace

TEST(Transliteration, LettersOfEveryViewCodePage) {
  for (CodePage view : {Oem, Ansi, Koi8, Utf8}) {
    EXPECT_EQ(Transliterated(In(view, "Щука Ёж Ы ы ю"), view), "SHuka Ezh I y iu") << view;
    EXPECT_EQ(Transliterated(In(view, "ЖЧШЩЮЯ жчшщюя ЦЙЪЬ цйъь"), view), "ZHCHSHSHIUIA zhchshshiuia CY'' cy''") << view;
    EXPECT_EQ(Transliterated(In(view, "Съешь же ещё этих булок.\r\n"), view), "S'esh' zhe eshe etih bulok.\r\n");
  }
  // Signs without a letter stay in DOS-866 whatever the view: ¦ of Windows-1251 becomes │ (B3).
  EXPECT_EQ(Transliterate("\xA6\x85\xC0", Ansi), "\xB3:A");
  EXPECT_EQ(Transliterate("\xB3\xF2\xFF", Oem), "\xB3\xF2\xFF");
}

// UTF-8 stays UTF-8: only the letters the command writes as Latin ones change; signs, letters
// DOS-866 lacks, box drawing and bytes that are not UTF-8 stay as they were (chunks: fuzz_utf8).
TEST(Transliteration, Utf8ChangesOnlyTheLetters) {
  const std::string signs = "\u00B0\u2116\u00A0\u0404\u0407\u0456\u2554\u2550\u2014";  // ° № no-break space Є Ї і ╔ ═ —
  const struct { LatinCommand command; std::string in, out; } rows[] = {
      {LatinCommand::Translit, signs + "\u044F", signs + "ia"},
      // A lone continuation byte, a lead byte before a letter, a lead byte cut short by the end.
      {LatinCommand::Translit, "\x80\u042F\xD0\u0416\xE2\x80", "\x80IA\xD0ZH\xE2\x80"},
      {LatinCommand::Fido, "\u041D\u043E\u0440\u0430 \u0440\u044B\u0431\u0430" + signs,  // Нора рыба
       "H\u043Ep\u0430 p\u044B\u0431\u0430" + signs},
      // DOS-866's bytes of Н and р are no letters here.
      {LatinCommand::Fido, "\x8D\xE0\u041D", "\x8D\xE0H"},
  };
  for (const auto& r : rows) EXPECT_EQ(WriteLatinInUtf8(r.in, r.command), r.out) << r.in;
}
