#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {

struct Case {
  const char* line;
  bool printOnStart;
  const char* file;
};

void ExpectParsed(const Case& c) {
  CommandLine parsed = ParseCommandLine(c.line);
  EXPECT_EQ(parsed.printOnStart, c.printOnStart) << "line: [" << c.line << "]";
  EXPECT_EQ(parsed.file, c.file) << "line: [" << c.line << "]";
}

}  // namespace

TEST(CommandLine, PrintSwitchIsTestedOnItsFirstTwoCharactersOnly) {
  for (const Case& c : {
           Case{"zorn2.exe /p letter.txt", true, "letter.txt"},
           Case{"zorn2.exe /P", true, ""},
           Case{"zorn2.exe /P ", true, ""},
           Case{"zorn2.exe /print letter.txt", true, "letter.txt"},
           Case{"zorn2.exe /x letter.txt", false, "/x letter.txt"},
           Case{"zorn2.exe /", false, "/"},
           Case{"zorn2.exe -p letter.txt", false, "-p letter.txt"},
           Case{"zorn2.exe /p\"a b\" letter.txt", true, "letter.txt"},  // the quotes belong to the switch token
           Case{"zorn2.exe /p  letter.txt", true, " letter.txt"},
       }) {
    ExpectParsed(c);
  }
}

TEST(CommandLine, RestOfTheLineIsOnePathAndLosesOnlyEnclosingQuotes) {
  for (const Case& c : {
           Case{"zorn2.exe C:\\My Documents\\two words.txt", false, "C:\\My Documents\\two words.txt"},
           Case{"zorn2.exe \"C:\\My Documents\\two words.txt\"", false, "C:\\My Documents\\two words.txt"},
           Case{"zorn2.exe /p \"C:\\a b.txt\"", true, "C:\\a b.txt"},
           // A trailing blank means the last character is no quote: both quotes stay.
           Case{"zorn2.exe \"C:\\a b.txt\" ", false, "\"C:\\a b.txt\" "},
           Case{"zorn2.exe \"C:\\a b.txt", false, "\"C:\\a b.txt"},
           Case{"zorn2.exe a\"b\"", false, "a\"b\""},
           Case{"zorn2.exe \"\"", false, ""},
           Case{"zorn2.exe \"", false, ""},
           Case{"zorn2.exe \x96\xE5\xEA\xF1\xF2.txt", false, "\x96\xE5\xEA\xF1\xF2.txt"},  // bytes above 0x7F
       }) {
    ExpectParsed(c);
  }
}

TEST(CommandLine, ProgramNameEndsAtTheFirstBlankOutsideQuotesAndOnlyThatBlankIsConsumed) {
  for (const Case& c : {
           Case{"\"C:\\Program Files\\Zorn2\\zorn2.exe\" /p letter.txt", true, "letter.txt"},
           Case{"C:\\Program\" \"Files\\zorn2.exe letter.txt", false, "letter.txt"},
           Case{"   zorn2.exe letter.txt", false, "letter.txt"},
           Case{"\"\" \"\"zorn2.exe letter.txt", false, "letter.txt"},
           Case{"zorn2.exe\tletter.txt", false, "letter.txt"},
           // Two blanks: the rest begins with a blank, so neither the switch nor the quotes are seen.
           Case{"zorn2.exe  /p letter.txt", false, " /p letter.txt"},
           Case{"zorn2.exe  \"letter.txt\"", false, " \"letter.txt\""},
           Case{"zorn2.exe", false, ""},
           Case{"zorn2.exe ", false, ""},
           Case{"\"C:\\Program Files\\zorn2.exe", false, ""},
           Case{"", false, ""},
       }) {
    ExpectParsed(c);
  }
}

TEST(CommandLine, ZeroByteEndsTheLine) {
  std::string line("zorn2.exe a.txt\0b.txt", 21);
  EXPECT_EQ(ParseCommandLine(line).file, "a.txt");
  EXPECT_EQ(SkipToken(std::string("zorn2.exe\0/p a", 14)), "");
}

TEST(CommandLine, LineFarLongerThanAPathIsTakenWhole) {
  std::string path = "C:\\" + std::string(5000, 'x') + " " + std::string(3000, 'y') + ".txt";
  CommandLine parsed = ParseCommandLine("zorn2.exe /p \"" + path + "\"");
  EXPECT_TRUE(parsed.printOnStart);
  EXPECT_EQ(parsed.file, path);
  std::string longName(70000, 'n');
  EXPECT_EQ(ParseCommandLine(longName + " tail").file, "tail");
}
