// zorn2-text: the editor's text conversions for scripts, from standard input to
// standard output. Each command is one function in the command table below.
#include <cstdio>
#include <cstring>
#include <new>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli_streams.h"
#include "commands.h"

namespace {

const char usage[] =
    "usage: zorn2-text recode FROM TO | fido FROM | translit FROM | guess"
    " | align justify|centre|left|right [--width N] [--first N] [--left N] [--join]"
    " | unescape | fix-breaks  (code pages: ansi oem koi8 iso mac utf8)\n";

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);  // gets the arguments after the command name
};

const Command commands[] = {
    {"recode", RunRecode}, {"fido", RunFido},         {"translit", RunTranslit},    {"guess", RunGuess},
    {"align", RunAlign},   {"unescape", RunUnescape}, {"fix-breaks", RunFixBreaks},
};

void UseBinaryStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryStreams();
  int result = exitUsage;
  try {
    for (const Command& command : commands) {
      if (argc >= 2 && std::strcmp(argv[1], command.name) == 0) result = command.run(argc - 2, argv + 2);
    }
  } catch (const std::bad_alloc&) {
    std::fputs("zorn2-text: not enough memory\n", stderr);
    return exitFailure;
  }
  if (result == exitUsage) std::fputs(usage, stderr);
  return result;
}
