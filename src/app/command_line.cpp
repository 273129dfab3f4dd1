#include "app/command_line.h"

#include <type_traits>

namespace {

// Codes as the line's units give them: a byte or a UTF-16 unit, never negative.
template <typename Char>
unsigned Code(Char c) {
  return static_cast<std::make_unsigned_t<Char>>(c);
}

// The line is a zero-terminated string: a zero ends it.
template <typename Char>
std::basic_string_view<Char> UpToZero(std::basic_string_view<Char> line) {
  return line.substr(0, line.find(Char{}));
}

template <typename Char>
bool IsBlank(Char c) {
  return Code(c) >= 1 && Code(c) <= 32;
}

template <typename Char>
bool EndsToken(Char c) {
  return Code(c) <= 32;
}

// Leading blanks, and empty quote pairs with the blanks after them, repeatedly.
template <typename Char>
std::size_t SkipLeadingBlanks(std::basic_string_view<Char> line) {
  std::size_t pos = 0;
  for (;;) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos + 1 < line.size() && line[pos] == '"' && line[pos + 1] == '"') {
      pos += 2;
      continue;
    }
    return pos;
  }
}

template <typename Char>
bool IsPrintSwitch(std::basic_string_view<Char> rest) {
  return rest.size() >= 2 && rest[0] == '/' && (rest[1] == 'p' || rest[1] == 'P');
}

template <typename Char>
std::basic_string<Char> Unquoted(std::basic_string_view<Char> file) {
  if (!file.empty() && file.front() == '"' && file.back() == '"') {
    // A lone quote is its own first and last character: nothing remains.
    file = file.size() >= 2 ? file.substr(1, file.size() - 2) : std::basic_string_view<Char>{};
  }
  return std::basic_string<Char>(file);
}

template <typename Char>
std::basic_string_view<Char> SkipTokenOf(std::basic_string_view<Char> line) {
  line = UpToZero(line);
  std::size_t pos = SkipLeadingBlanks(line);
  while (pos < line.size() && !EndsToken(line[pos])) {
    if (line[pos] == '"') {
      ++pos;
      while (pos < line.size() && line[pos] != '"') ++pos;
      if (pos == line.size()) break;
    }
    ++pos;
  }
  if (pos >= line.size()) return {};
  return line.substr(pos + 1);
}

template <typename Char>
BasicCommandLine<Char> Parse(std::basic_string_view<Char> line) {
  line = UpToZero(line);
  BasicCommandLine<Char> result;
  std::basic_string_view<Char> rest = SkipTokenOf(line);
  if (IsPrintSwitch(rest)) {
    result.printOnStart = true;
    rest = SkipTokenOf(rest);
  }
  result.file = Unquoted(rest);
  return result;
}

}  // namespace

std::string_view SkipToken(std::string_view line) { return SkipTokenOf(line); }

CommandLine ParseCommandLine(std::string_view line) { return Parse(line); }
WideCommandLine ParseCommandLine(std::wstring_view line) { return Parse(line); }
