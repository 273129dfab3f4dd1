#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "iconv_texts.h"
#include "shell_run.h"

namespace {

ShellRun RunZorn2Text(const std::string& arguments, const std::string& input) {
  return RunWithInput(std::string(ZORN2_TEXT) + " " + arguments, input);
}

}  // namespace

TEST(Zorn2Text, BadArgumentsGiveUsageAndExitCode2) {
  for (const char* arguments : {"", "recode koi8", "recode koi8 iso extra", "recode KOI8 utf8", "fido oem ansi",
                                "guess oem", "align middle", "align left --width", "align left --width 80x",
                                "align left --width 4097", "align left --width -1",
                                "align left --left 99999999999999999999", "--help"}) {
    const ShellRun run = RunZorn2Text(arguments, "text");
    EXPECT_EQ(std::tuple(run.exitCode, run.out), std::tuple(2, "")) << arguments;
    EXPECT_TRUE(run.err.starts_with("usage: zorn2-text recode FROM TO") && run.err.find('\n') == run.err.size() - 1)
        << arguments << ": " << run.err;
  }
}

// Each command wired to its transformation; what they make of text is tested on its own.
TEST(Zorn2Text, EachCommandOnAnExample) {
  const std::string oem = ConvertFromUtf8("Щука Ёж Ы ы ю\nНора рыба\n", "CP866");
  const std::string work = RussianText("work");
  const std::string koi8 = ConvertFromUtf8(work, "KOI8-R"), straddling((4 << 20) - 1, 'a');
  const struct { const char* arguments; std::string in, out, err = ""; } cases[] = {
      {"translit oem", oem, "SHuka Ezh I y iu\nNora ryba\n"},
      {"fido ansi", ConvertFromUtf8("Нора", "CP1251"), "H\xAEp\xA0"},
      {"unescape", "=D8=E0 =d8 =G1 = =41", "\xD8\xE0 =d8 =G1 = A"},
      {"fix-breaks", "a\rb\r\nc\r", "a\r\nb\r\nc\r\n"},
      {"align centre --join --left 2 --first 9 --width 20", "one\ntwo\n", std::string(7, ' ') + "one two\r\n"},
      // Defaults: width 80, no indents, lines kept.
      {"align justify", std::string(50, 'a') + " b c\nd e\n",
       std::string(50, 'a') + std::string(14, ' ') + "b" + std::string(14, ' ') + "c\r\nd e\r\n"},
      {"guess", ConvertFromUtf8(work, "CP1251"), "ansi\n"}, {"guess", ConvertFromUtf8(work, "CP866"), "oem\n"},
      {"guess", ConvertFromUtf8(work, "KOI8-R"), "koi8\n"}, {"guess", work, "utf8\n"}, {"guess", "", "ansi\n"},
      // Past the size of one read (4 MB), so that a chunk edge is crossed; every byte's route is the tables' part.
      {"recode koi8 iso", std::string((4 << 20) + 2, '\xE1'), std::string((4 << 20) + 2, '\xB0')},
      // UTF-8: what the page lacks is replaced and counted, a byte that is not UTF-8 is kept, ё straddles two reads.
      {"recode utf8 koi8", work + "№ «x» — …", koi8 + "N <x> - ...",
       "zorn2-text: 5 characters had no place in KOI8-R and were replaced\n"},
      {"recode koi8 utf8", koi8, work},
      {"recode utf8 utf8", "\xFF" + work, "\xFF" + work},
      {"recode utf8 ansi", straddling + "ё\xFF\xD0", straddling + "\xB8\xFF\xD0",
       "zorn2-text: 2 bytes were not UTF-8 and kept as they are\n"},
      {"recode ansi utf8", "\x98\xE0", "\xEF\xBF\xBDа", "zorn2-text: 1 byte means no character in Windows-1251 and became U+FFFD\n"},
      // Fido and translit keep UTF-8: the letters they change become Latin ones, all else stays.
      {"fido utf8", "Нора «x» \x8D\xE0", "Hоpа «x» \x8D\xE0", "zorn2-text: 2 bytes were not UTF-8 and kept as they are\n"},
      {"translit utf8", straddling + "ж — \x80", straddling + "zh — \x80",
       "zorn2-text: 1 byte was not UTF-8 and kept as it is\n"},
  };
  for (const auto& c : cases) {
    const ShellRun run = RunZorn2Text(c.arguments, c.in);
    EXPECT_EQ(std::tuple(run.exitCode, run.err), std::tuple(0, c.err)) << c.arguments;
    EXPECT_TRUE(run.out == c.out) << c.arguments << " gave " << run.out.substr(0, 100) << " (" << run.out.size() << " bytes)";
  }
}
