#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

// The program name ends at the first blank outside quotes and only that blank
// is consumed; "/p" is tested on its first two characters; the rest of the
// line is one path that loses only enclosing quotes.
TEST(CommandLine, SwitchAndPathFromTheWholeLine) {
  const struct { const char* line; bool print; const char* file; } cases[] = {
      {"zorn2.exe /p letter.txt", true, "letter.txt"}, {"zorn2.exe /P", true, ""}, {"zorn2.exe /P ", true, ""},
      {"zorn2.exe /print letter.txt", true, "letter.txt"}, {"zorn2.exe /x letter.txt", false, "/x letter.txt"},
      {"zorn2.exe /", false, "/"}, {"zorn2.exe -p letter.txt", false, "-p letter.txt"},
      {"zorn2.exe /p\"a b\" letter.txt", true, "letter.txt"},  // the quotes belong to the switch token
      {"zorn2.exe /p  letter.txt", true, " letter.txt"},
      {"zorn2.exe C:\\My Documents\\two words.txt", false, "C:\\My Documents\\two words.txt"},
      {"zorn2.exe \"C:\\a b.txt\" ", false, "\"C:\\a b.txt\" "},  // the last character is no quote
      {"zorn2.exe \"C:\\a b.txt", false, "\"C:\\a b.txt"}, {"zorn2.exe a\"b\"", false, "a\"b\""},
      {"C:\\Program\" \"Files\\zorn2.exe letter.txt", false, "letter.txt"},
      {"   zorn2.exe letter.txt", false, "letter.txt"}, {"\"\" \"\"zorn2.exe letter.txt", false, "letter.txt"},
      {"zorn2.exe\tletter.txt", false, "letter.txt"}, {"zorn2.exe \"", false, ""}, {"", false, ""},
      // Two blanks: the rest begins with a blank, so neither the switch nor the quotes are seen.
      {"zorn2.exe  /p letter.txt", false, " /p letter.txt"}, {"zorn2.exe  \"letter.txt\"", false, " \"letter.txt\""},
      {"zorn2.exe", false, ""}, {"zorn2.exe ", false, ""}, {"\"C:\\Program Files\\zorn2.exe", false, ""},
  };
  for (const auto& c : cases) {
    CommandLine parsed = ParseCommandLine(c.line);
    EXPECT_EQ(parsed.printOnStart, c.print) << "[" << c.line << "]";
    EXPECT_EQ(parsed.file, c.file) << "[" << c.line << "]";
  }
}

