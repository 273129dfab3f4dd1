// The command-line parser on any bytes, and on lines built as a shell builds them.
#include "app/command_line.h"

#include <string>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::string_view upToZero = line.substr(0, line.find('\0'));

  // What follows the token is a tail of the line up to its zero, shorter by at least one character.
  const std::string_view rest = SkipToken(line);
  FUZZ_CHECK(rest.empty() || (rest.data() > upToZero.data() &&
                              rest.data() + rest.size() == upToZero.data() + upToZero.size()));

  // Nothing after a zero byte counts.
  const CommandLine parsed = ParseCommandLine(line), truncated = ParseCommandLine(upToZero);
  FUZZ_CHECK(parsed.printOnStart == truncated.printOnStart && parsed.file == truncated.file);
  FUZZ_CHECK(parsed.file.size() <= rest.size());
  FUZZ_CHECK(!parsed.printOnStart || rest.starts_with("/p") || rest.starts_with("/P"));

  // A program path, a switch and a quoted file, as a shell or a file association writes them:
  // the file comes back whole, blanks and all.
  std::string file(line);
  std::erase_if(file, [](char c) { return c == '"' || c == '\0'; });
  const bool print = size > 0 && data[0] % 2 == 0;
  const char* program = size > 1 && data[1] % 2 == 0 ? "zorn2.exe" : "\"C:\\Program Files\\Zorn2\\zorn2.exe\"";
  const CommandLine built = ParseCommandLine(std::string(program) + (print ? " /P " : " ") + '"' + file + '"');
  FUZZ_CHECK(built.printOnStart == print);
  FUZZ_CHECK(built.file == file);
  return 0;
}
