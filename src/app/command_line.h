// The program's command line: an optional print switch and a file path.
#pragma once
#include <string>
#include <string_view>

template <typename Char>
struct BasicCommandLine {
  bool printOnStart = false;   // "/p" or "/P" (only these two characters are tested)
  std::basic_string<Char> file;  // the rest of the line taken whole, outer quotes removed
};
using CommandLine = BasicCommandLine<char>;
using WideCommandLine = BasicCommandLine<wchar_t>;  // as the system gives it

// What follows the token at the start of `line`: blanks (codes 1 to 32) and
// pairs of adjacent double quotes are skipped, then the token runs to the next
// character with code 0 to 32, a double quote opening a stretch that may hold
// blanks. Exactly one character, the one that ends the token, is consumed.
std::string_view SkipToken(std::string_view line);

// Parses the whole command line, program name included.
CommandLine ParseCommandLine(std::string_view line);
WideCommandLine ParseCommandLine(std::wstring_view line);
