#include <gtest/gtest.h>

#include <string>

#include "conversion/code_pages.h"
#include "conversion/equals_escapes.h"
#include "conversion/line_breaks.h"
#include "conversion/recoding_routes.h"
#include "conversion/transliteration.h"
#include "russian_texts.h"

namespace {

// `utf8` in the bytes of a view code page.
std::string In(CodePage codePage, const std::string& utf8) {
  const char* const names[] = {"CP1251", "CP866", "KOI8-R"};
  return ConvertFromUtf8(utf8, names[codePage]);
}

}  // namespace

TEST(RecodingRoutes, MenuCommandsDialogAndFido) {
  const RecodingRoute toAnsi = MenuRecodingRoute(RecodeToAnsi, Oem);
  EXPECT_EQ(toAnsi.fromTable, NoTable);
  EXPECT_EQ(toAnsi.toTable, OemToAnsi);
  EXPECT_EQ(toAnsi.viewCodePage, Ansi);
  EXPECT_EQ(MenuRecodingRoute(RecodeToKoi8, Ansi).viewCodePage, Koi8);
  const RecodingRoute fido = MenuRecodingRoute(RecodeToFido, Koi8);
  EXPECT_EQ(fido.fromTable, Koi8ToOem);
  EXPECT_EQ(fido.toTable, FidoTarget);
  EXPECT_EQ(fido.viewCodePage, Oem);
  // Into Windows-1251 from a Windows-1251 view passes through DOS-866, losing signs it lacks.
  EXPECT_EQ(MenuRecodingRoute(RecodeToAnsi, Ansi).fromTable, AnsiToOem);
  // The dialog recodes between any two code pages and leaves the view alone.
  const RecodingRoute chosen = ChosenRecodingRoute(Mac, Iso);
  EXPECT_EQ(chosen.fromTable, MacToOem);
  EXPECT_EQ(chosen.toTable, OemToIso);
  EXPECT_EQ(chosen.viewCodePage, -1);
  EXPECT_EQ(MenuRecodingRoute(33, Ansi).toTable, NoTable);
  EXPECT_EQ(MenuRecodingRoute(28, Ansi).viewCodePage, -1);
}

TEST(Transliteration, LettersOfEveryViewCodePage) {
  for (CodePage view : {Oem, Ansi, Koi8}) {
    EXPECT_EQ(Transliterate(In(view, "Щука Ёж Ы ы ю"), view), "SHuka Ezh I y iu") << view;
    EXPECT_EQ(Transliterate(In(view, "ЖЧШЩЮЯ жчшщюя ЦЙЪЬ цйъь"), view), "ZHCHSHSHIUIA zhchshshiuia CY'' cy''") << view;
    EXPECT_EQ(Transliterate(In(view, "Съешь же ещё этих булок.\r\n"), view), "S'esh' zhe eshe etih bulok.\r\n");
  }
  // Signs without a letter stay in DOS-866 whatever the view: ¦ of Windows-1251 becomes │ (B3).
  EXPECT_EQ(Transliterate("\xA6\x85\xC0", Ansi), "\xB3:A");
  EXPECT_EQ(Transliterate("\xB3\xF2\xFF", Oem), "\xB3\xF2\xFF");
  EXPECT_EQ(Transliterate("", Oem), "");
}

TEST(EqualsEscapes, UpperCaseHexPairsOnly) {
  EXPECT_EQ(DecodeEqualsEscapes("=D8=E0 =d8 =G1 ="), "\xD8\xE0 =d8 =G1 =");
  // A decoded "=" does not start another escape; a pair cut off by the end stays.
  EXPECT_EQ(DecodeEqualsEscapes("=3D41 =4"), "=41 =4");
  EXPECT_EQ(DecodeEqualsEscapes(std::string("=00=\r\nx", 7)), std::string("\0=\r\nx", 5));
}

TEST(LineBreaks, LoneCarriageReturnsGetALineFeed) {
  EXPECT_EQ(RepairLineBreaks("a\rb\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(RepairLineBreaks("\r\r\n\n\r"), "\r\n\r\n\n\r\n");
  EXPECT_EQ(RepairLineBreaks(""), "");
}
