// zorn2-text: the editor's text conversions for scripts, from standard input to
// standard output. Each command is one function in the command table below.
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "conversion/code_pages.h"

namespace {

constexpr int exitUsage = 2;
constexpr int exitFailure = 1;
constexpr size_t chunkSize = 4 << 20;

const char usage[] = "usage: zorn2-text recode FROM TO  (code pages: ansi oem koi8 iso mac)\n";

const char* const codePageArguments[codePageCount] = {"ansi", "oem", "koi8", "iso", "mac"};

// The CodePage an argument names, or -1.
int ParseCodePage(const char* argument) {
  for (int cp = 0; cp < codePageCount; ++cp) {
    if (std::strcmp(argument, codePageArguments[cp]) == 0) return cp;
  }
  return -1;
}

// Streams standard input to standard output in large chunks, rewriting each chunk
// in place; every byte is rewritten independently, so chunk edges do not matter.
template <typename Rewrite>
int RewriteStream(Rewrite rewrite) {
  std::vector<unsigned char> chunk(chunkSize);
  size_t got;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0) {
    rewrite(chunk.data(), got);
    if (std::fwrite(chunk.data(), 1, got, stdout) != got) {
      std::perror("zorn2-text: writing standard output");
      return exitFailure;
    }
  }
  if (std::ferror(stdin)) {
    std::perror("zorn2-text: reading standard input");
    return exitFailure;
  }
  if (std::fflush(stdout) != 0) {
    std::perror("zorn2-text: writing standard output");
    return exitFailure;
  }
  return 0;
}

// recode FROM TO: the route through DOS-866 that the editor's code-page dialog takes.
int RunRecode(int argc, char** argv) {
  if (argc != 2) return exitUsage;
  const int from = ParseCodePage(argv[0]);
  const int to = ParseCodePage(argv[1]);
  if (from < 0 || to < 0) return exitUsage;
  return RewriteStream([from, to](unsigned char* bytes, size_t length) {
    RecodeBytes(bytes, length, toOemTable[from], fromOemTable[to]);
  });
}

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);  // gets the arguments after the command name
};

const Command commands[] = {
    {"recode", RunRecode},
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
  for (const Command& command : commands) {
    if (argc >= 2 && std::strcmp(argv[1], command.name) == 0) result = command.run(argc - 2, argv + 2);
  }
  if (result == exitUsage) std::fputs(usage, stderr);
  return result;
}
