#include "app/command_line.h"

namespace {

// The line is a zero-terminated string: a zero byte ends it.
std::string_view UpToZero(std::string_view line) { return line.substr(0, line.find('\0')); }

bool IsBlank(char c) {
  auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

bool EndsToken(char c) { return static_cast<unsigned char>(c) <= 32; }

// Leading blanks, and empty quote pairs with the blanks after them, repeatedly.
std::size_t SkipLeadingBlanks(std::string_view line) {
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

bool IsPrintSwitch(std::string_view rest) {
  return rest.size() >= 2 && rest[0] == '/' && (rest[1] == 'p' || rest[1] == 'P');
}

std::string Unquoted(std::string_view file) {
  if (!file.empty() && file.front() == '"' && file.back() == '"') {
    // A lone quote is its own first and last character: nothing remains.
    file = file.size() >= 2 ? file.substr(1, file.size() - 2) : std::string_view{};
  }
  return std::string(file);
}

}  // namespace

std::string_view SkipToken(std::string_view line) {
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

CommandLine ParseCommandLine(std::string_view line) {
  line = UpToZero(line);
  CommandLine result;
  std::string_view rest = SkipToken(line);
  if (IsPrintSwitch(rest)) {
    result.printOnStart = true;
    rest = SkipToken(rest);
  }
  result.file = Unquoted(rest);
  return result;
}
