// The engine's byte scans against memchr on the same machine and in the same
// run, in bytes per second: find forwards and backwards (case folded and not,
// and in the UTF-8 view), line breaks and a recoding table, over MEGABYTES
// (100) of Windows-1251 words that never hold the pattern. Portable: it builds
// natively and as the PE32 and PE32+ next to the program. Prints; not a test.
//
//   scan-bench [megabytes]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "codepages/code_pages.h"
#include "codepages/utf8_recoding.h"
#include "engine/byte_scan.h"
#include "engine/char_classes.h"
#include "engine/text_find.h"
#include "engine/text_storage.h"

namespace {

constexpr int runs = 5;  // the best of them counts: other programs only slow a run down
constexpr double megabyte = 1048576.0;

// Words of 2 to 9 Windows-1251 small letters, a line break after every tenth.
std::string WordsText(std::size_t size) {
  std::string text;
  text.reserve(size + 16);
  unsigned seed = 11;
  auto next = [&seed] { return (seed = seed * 1103515245 + 12345) >> 16; };
  for (unsigned n = 1; text.size() < size; ++n) {
    for (unsigned i = 0, letters = 2 + next() % 8; i < letters; ++i) text += static_cast<char>(0xE0 + next() % 32);
    text += n % 10 == 0 ? "\r\n" : " ";
  }
  text.resize(size);
  return text;
}

TextStorage StorageOf(const std::string& text) {
  TextStorage storage;
  for (std::size_t at = 0; at < text.size(); at += TextStorage::BlockFill) {
    auto count = static_cast<Position>(std::min<std::size_t>(TextStorage::BlockFill, text.size() - at));
    storage.Append(reinterpret_cast<const unsigned char*>(text.data() + at), count);
  }
  return storage;
}

// Prints the best rate of `runs` calls of `scan` over `bytes` bytes; `scan`
// returns something the compiler cannot drop.
template <class Scan>
void Report(const char* name, std::size_t bytes, Scan scan) {
  double best = 1e30;
  long long sink = 0;
  for (int run = 0; run < runs; ++run) {
    auto start = std::chrono::steady_clock::now();
    sink += scan();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::printf("  %-34s %8.0f MB/s  %7.1f ms  (%lld)\n", name, bytes / megabyte / best, best * 1000, sink);
}

long long CountLineBreaks(const TextStorage& text) {
  long long breaks = 0;
  for (Position at = 0; at < text.Length();) {
    TextStorage::Segment segment = text.SegmentAt(at);
    byte_scan::ForEachLineBreakByte(segment.data, static_cast<std::size_t>(segment.length),
                                    [&breaks](std::size_t) { ++breaks; });
    at = segment.start + segment.length;
  }
  return breaks;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t megabytes = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 100;
  if (megabytes == 0) megabytes = 100;
  const std::string text = WordsText(megabytes << 20);
  const TextStorage storage = StorageOf(text);
  const Position length = storage.Length();
  const CharClasses& classes = CharClassesFor(Ansi);
  const std::string word = "\xEF\xEE\xF1\xEB\xE5\xE4\xED\xE5\xE5\xE5";  // "последнеее": ten letters, no word has as many
  std::printf("scan of %.0f MB of Windows-1251 words (%zu-bit code, %zu-byte chunks)\n", text.size() / megabyte,
              sizeof(void*) * 8, byte_scan::ChunkSize);

  Report("memchr of an absent byte", text.size(), [&] {
    return static_cast<long long>(std::memchr(text.data(), '\x01', text.size()) != nullptr);
  });
  Report("find forwards, case folded", text.size(),
         [&] { return static_cast<long long>(FindForward(storage, classes, 0, length, word, 0)); });
  Report("find forwards, match case", text.size(),
         [&] { return static_cast<long long>(FindForward(storage, classes, 0, length, word, FindMatchCase)); });
  Report("find backwards, case folded", text.size(),
         [&] { return static_cast<long long>(FindBackward(storage, classes, 0, length, word, 0)); });
  Report("line breaks", text.size(), [&] { return CountLineBreaks(storage); });
  std::string recoded = text;
  Report("recode Windows-1251 to DOS-866", text.size(), [&] {
    RecodeBytes(reinterpret_cast<unsigned char*>(recoded.data()), recoded.size(), AnsiToOem, -1);
    return static_cast<long long>(recoded[0]);
  });

  std::string utf8, utf8Word;
  AppendPageAsUtf8(Ansi, std::string_view(text).substr(0, text.size() / 2), utf8);  // about as many bytes again
  AppendPageAsUtf8(Ansi, word, utf8Word);
  const TextStorage utf8Storage = StorageOf(utf8);
  Report("find forwards in UTF-8, case folded", utf8.size(), [&] {
    return static_cast<long long>(FindForwardUtf8(utf8Storage, 0, utf8Storage.Length(), utf8Word, 0));
  });
  Report("find backwards in UTF-8, case folded", utf8.size(), [&] {
    return static_cast<long long>(FindBackwardUtf8(utf8Storage, 0, utf8Storage.Length(), utf8Word, 0));
  });
  return 0;
}
