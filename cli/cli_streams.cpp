#include "cli_streams.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "codepages/buffer_size.h"
#include "codepages/code_pages.h"

namespace {

constexpr std::size_t chunkSize = 4 << 20;

// In CodePage order, Utf8 last.
const char* const codePageArguments[] = {"ansi", "oem", "koi8", "iso", "mac", "utf8"};
const char* const codePageMessageNames[] = {"Windows-1251", "DOS-866", "KOI8-R", "ISO-8859-5", "Mac Cyrillic", "UTF-8"};

bool ReadFailed() {
  if (!std::ferror(stdin)) return false;
  std::perror("zorn2-text: reading standard input");
  return true;
}

// What is left of standard input when it is a file, else 0: a hint for the buffer size.
std::size_t RemainingInputSize() {
  const long position = std::ftell(stdin);
  if (position < 0 || std::fseek(stdin, 0, SEEK_END) != 0) return 0;
  const long end = std::ftell(stdin);
  std::fseek(stdin, position, SEEK_SET);
  return end > position ? static_cast<std::size_t>(end - position) : 0;
}

}  // namespace

bool WritePiece(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size()) return true;
  std::perror("zorn2-text: writing standard output");
  return false;
}

int FlushStandardOutput() {
  if (std::fflush(stdout) == 0) return 0;
  std::perror("zorn2-text: writing standard output");
  return exitFailure;
}

int ParseCodePage(const char* argument) {
  for (int cp = Ansi; cp <= Utf8; ++cp) {
    if (std::strcmp(argument, codePageArguments[cp]) == 0) return cp;
  }
  return -1;
}

const char* CodePageArgument(CodePage codePage) { return codePageArguments[codePage <= Utf8 ? codePage : Utf8]; }

const char* CodePageMessageName(CodePage codePage) { return codePageMessageNames[codePage <= Utf8 ? codePage : Utf8]; }

bool ReadStandardInput(std::string& text) {
  // Read straight into the text, one byte more than a file's size so its end is seen at once.
  std::size_t got = text.size();
  text.resize(BufferSize(got, 1, std::max(RemainingInputSize() + 1, chunkSize), text.max_size()));
  std::size_t n;
  while ((n = std::fread(text.data() + got, 1, text.size() - got, stdin)) > 0) {
    got += n;
    if (got == text.size()) text.resize(BufferSize(text.size(), 2, 0, text.max_size()));
  }
  text.resize(got);
  return !ReadFailed();
}

bool ReadStandardInputStart(std::string& text, std::size_t limit) {
  text.resize(limit);
  std::size_t got = 0, n;
  while (got < limit && (n = std::fread(text.data() + got, 1, limit - got, stdin)) > 0) got += n;
  text.resize(got);
  return !ReadFailed();
}

int WriteStandardOutput(std::string_view bytes) { return WritePiece(bytes) ? FlushStandardOutput() : exitFailure; }

int TransformStream(const std::function<std::string_view(unsigned char*, std::size_t)>& transform,
                    const std::function<std::string_view()>& finish) {
  std::vector<unsigned char> chunk(chunkSize);
  std::size_t got;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0) {
    if (!WritePiece(transform(chunk.data(), got))) return exitFailure;
  }
  if (ReadFailed()) return exitFailure;
  if (finish && !WritePiece(finish())) return exitFailure;
  return FlushStandardOutput();
}
