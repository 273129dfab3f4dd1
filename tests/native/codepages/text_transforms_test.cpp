#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "codepages/code_pages.h"
#include "codepages/recoding_routes.h"
#include "codepages/transliteration.h"
#include "iconv_texts.h"

namespace {

// `utf8` in the bytes of a view code page.
std::string In(CodePage codePage, const std::string& utf8) {
  const char* const names[] = {"CP1251", "CP866", "KOI8-R"};
  return ConvertFromUtf8(utf8, names[codePage]);
}

}  // namespace

// Into Windows-1251 from a Windows-1251 view passes through DOS-866, losing signs it lacks; the
// dialog recodes between any two code pages and leaves the view alone (-1); asked as a menu route
// it recodes nothing.
TEST(RecodingRoutes, MenuCommandsDialogAndFido) {
  const struct { RecodingRoute route; int fromTable, toTable, view; } cases[] = {
      {MenuRecodingRoute(RecodeToAnsi, Oem), NoTable, OemToAnsi, Ansi},
      {MenuRecodingRoute(RecodeToAnsi, Ansi), AnsiToOem, OemToAnsi, Ansi},
      {MenuRecodingRoute(RecodeToKoi8, Ansi), AnsiToOem, OemToKoi8, Koi8},
      {MenuRecodingRoute(RecodeToFido, Koi8), Koi8ToOem, FidoTarget, Oem},
      {ChosenRecodingRoute(Mac, Iso), MacToOem, OemToIso, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::tuple(c.route.fromTable, c.route.toTable, c.route.viewCodePage), std::tuple(c.fromTable, c.toTable, c.view));
  }
  RecodingRoute none = MenuRecodingRoute(RecodeChosen, Ansi);
  EXPECT_EQ(std::tuple(none.toTable, none.viewCodePage), std::tuple(NoTable, -1));
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
}

