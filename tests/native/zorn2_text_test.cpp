#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "conversion/code_pages.h"
#include "conversion_oracle.h"
#include "russian_texts.h"

namespace {

struct ToolRun {
  int exitCode;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs zorn2-text with `arguments` (already shell-quoted) on `input`.
ToolRun RunZorn2Text(const std::string& arguments, const std::string& input) {
  const std::string dir = testing::TempDir();
  const std::string in = dir + "zorn2_text_in", out = dir + "zorn2_text_out", err = dir + "zorn2_text_err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command = std::string(ZORN2_TEXT) + " " + arguments + " <" + in + " >" + out + " 2>" + err;
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
}

}  // namespace

TEST(Zorn2Text, RecodeStreamsEveryByteThroughTheRoute) {
  // All 256 bytes, repeated past the size of one read so that chunk edges are crossed.
  std::string input;
  while (input.size() < (9 << 20)) {
    for (int b = 0; b < 256; ++b) input += static_cast<char>(b);
  }
  input += "\xE1\xF2";
  const ToolRun run = RunZorn2Text("recode koi8 iso", input);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_EQ(run.out.size(), input.size());
  unsigned char expected[256];
  for (int b = 0; b < 256; ++b) expected[b] = OracleRoute(Koi8ToOem, OemToIso, static_cast<unsigned char>(b));
  for (size_t i = 0; i < input.size(); ++i) {
    ASSERT_EQ(static_cast<unsigned char>(run.out[i]), expected[static_cast<unsigned char>(input[i])]) << "at " << i;
  }
  EXPECT_EQ(run.err, "");
}

TEST(Zorn2Text, BadArgumentsGiveUsageAndExitCode2) {
  for (const char* arguments :
       {"", "recode", "recode koi8", "recode koi8 iso extra", "recode koi8 utf8", "recode KOI8 iso", "fido",
        "fido utf8", "fido oem ansi", "translit", "guess oem", "unescape x", "fix-breaks -", "align",
        "align middle", "align left --width", "align left --width -1", "align left --width 80x",
        "align left --width 4097", "align left --left 99999999999999999999", "align left --join 1",
        "align left --right 5", "--help"}) {
    const ToolRun run = RunZorn2Text(arguments, "text");
    EXPECT_EQ(run.exitCode, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    EXPECT_EQ(run.err.rfind("usage: zorn2-text recode FROM TO", 0), 0u) << arguments;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << arguments;
  }
}

// Each command wired to its transformation; what they make of text is tested on its own.
TEST(Zorn2Text, EachCommandOnAnExample) {
  const std::string oem = ConvertFromUtf8("Щука Ёж Ы ы ю\nНора рыба\n", "CP866");
  const std::string work = RussianText("work");
  const struct { const char* arguments; std::string in, out; } cases[] = {
      {"translit oem", oem, "SHuka Ezh I y iu\nNora ryba\n"},
      {"fido koi8", ConvertFromUtf8("Нора", "KOI8-R"), "H\xAEp\xA0"},
      {"unescape", "=D8=E0 =d8 =G1 =", "\xD8\xE0 =d8 =G1 ="},
      {"fix-breaks", "a\rb\r\nc\r", "a\r\nb\r\nc\r\n"},
      {"align justify --join --width 20", "aaa bbb ccc\nddd eee fff\n", "aaa  bbb ccc ddd eee\r\nfff\r\n"},
      {"align centre --left 2 --first 9 --width 20", "one two\n", std::string(7, ' ') + "one two\r\n"},
      // Defaults: width 80, no indents, lines kept.
      {"align justify", std::string(50, 'a') + " b c\nd e\n",
       std::string(50, 'a') + std::string(14, ' ') + "b" + std::string(14, ' ') + "c\r\nd e\r\n"},
      {"guess", ConvertFromUtf8(work, "CP1251"), "ansi\n"}, {"guess", ConvertFromUtf8(work, "CP866"), "oem\n"},
      {"guess", ConvertFromUtf8(work, "KOI8-R"), "koi8\n"}, {"guess", "", "ansi\n"},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunZorn2Text(c.arguments, c.in);
    EXPECT_EQ(run.out, c.out) << c.arguments;
    EXPECT_EQ(run.exitCode, 0) << c.arguments;
  }
}
