#include "cli_streams.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "conversion/code_pages.h"

namespace {

constexpr std::size_t chunkSize = 4 << 20;

const char* const codePageArguments[codePageCount] = {"ansi", "oem", "koi8", "iso", "mac"};

bool ReadFailed() {
  if (!std::ferror(stdin)) return false;
  std::perror("zorn2-text: reading standard input");
  return true;
}

bool Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size()) return true;
  std::perror("zorn2-text: writing standard output");
  return false;
}

int Flush() {
  if (std::fflush(stdout) == 0) return 0;
  std::perror("zorn2-text: writing standard output");
  return exitFailure;
}

}  // namespace

int ParseCodePage(const char* argument) {
  for (int cp = 0; cp < codePageCount; ++cp) {
    if (std::strcmp(argument, codePageArguments[cp]) == 0) return cp;
  }
  return -1;
}

bool ReadStandardInput(std::string& text) {
  std::vector<char> chunk(chunkSize);
  std::size_t got;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0) text.append(chunk.data(), got);
  return !ReadFailed();
}

bool ReadStandardInputStart(std::string& text, std::size_t limit) {
  text.resize(limit);
  std::size_t got = 0, n;
  while (got < limit && (n = std::fread(text.data() + got, 1, limit - got, stdin)) > 0) got += n;
  text.resize(got);
  return !ReadFailed();
}

int WriteStandardOutput(std::string_view bytes) { return Write(bytes) ? Flush() : exitFailure; }

int TransformStream(const std::function<std::string_view(unsigned char*, std::size_t)>& transform) {
  std::vector<unsigned char> chunk(chunkSize);
  std::size_t got;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0) {
    if (!Write(transform(chunk.data(), got))) return exitFailure;
  }
  if (ReadFailed()) return exitFailure;
  return Flush();
}
