// The commands that rewrite every byte or character on its own, streamed chunk by chunk.
// UTF-8 input is converted into the target page (recode), or stays UTF-8 (fido, translit).
#include <cstdio>
#include <functional>
#include <string>

#include "cli_streams.h"
#include "codepages/code_pages.h"
#include "codepages/recoding_routes.h"
#include "codepages/transliteration.h"
#include "codepages/utf8_latin.h"
#include "codepages/utf8_recoding.h"
#include "commands.h"

namespace {

std::string_view View(const unsigned char* bytes, std::size_t length) {
  return {reinterpret_cast<const char*>(bytes), length};
}

// One line on standard error when `count` is not 0: "N <one or many>, <what happened>".
void Report(std::size_t count, const char* one, const char* many, const std::string& what) {
  if (count == 0) return;
  const std::string line = "zorn2-text: " + std::to_string(count) + (count == 1 ? one : many) + what + "\n";
  std::fputs(line.c_str(), stderr);
}

int RecodeStream(RecodingRoute route) {
  return TransformStream([route](unsigned char* bytes, std::size_t length) {
    RecodeBytes(bytes, length, route.fromTable, route.toTable);
    return View(bytes, length);
  });
}

void ReportKeptBytes(std::size_t count) {
  Report(count, " byte was not UTF-8 and kept as it is", " bytes were not UTF-8 and kept as they are", "");
}

// Streams through a converter of UTF-8 in chunks (Utf8ToPage, Utf8LatinWriter).
template <typename Converter>
int StreamConverted(Converter& converter) {
  std::string piece;
  return TransformStream(
      [&](unsigned char* bytes, std::size_t length) {
        piece.resize(Converter::MaxOutput(length));  // the same size chunk after chunk: no refill
        piece.resize(converter.Convert(View(bytes, length), piece.data()));
        return std::string_view(piece);
      },
      [&] {
        piece.resize(Converter::MaxOutput(0));
        piece.resize(converter.Finish(piece.data()));
        return std::string_view(piece);
      });
}

int StreamFromUtf8(CodePage page) {
  Utf8ToPage converter(page);
  const int result = StreamConverted(converter);
  Report(converter.Replaced(), " character had", " characters had",
         std::string(" no place in ") + CodePageMessageName(page) + " and " +
             (converter.Replaced() == 1 ? "was" : "were") + " replaced");
  ReportKeptBytes(converter.InvalidBytes());
  return result;
}

// UTF-8 with the letters `command` writes as Latin ones.
int StreamUtf8Latin(LatinCommand command) {
  Utf8LatinWriter writer(command);
  const int result = StreamConverted(writer);
  ReportKeptBytes(writer.InvalidBytes());
  return result;
}

int StreamToUtf8(CodePage source) {
  std::string utf8;
  std::size_t undefined = 0;
  const int result = TransformStream([&](unsigned char* bytes, std::size_t length) {
    utf8.clear();
    undefined += AppendPageAsUtf8(source, View(bytes, length), utf8);
    return std::string_view(utf8);
  });
  Report(undefined, " byte means", " bytes mean",
         std::string(" no character in ") + CodePageMessageName(source) + " and became U+FFFD");
  return result;
}

}  // namespace

// recode FROM TO: the route through DOS-866 that the editor's code-page dialog takes;
// UTF-8 on either side converts directly, and UTF-8 to UTF-8 copies.
int RunRecode(int argc, char** argv) {
  if (argc != 2) return exitUsage;
  const int from = ParseCodePage(argv[0]);
  const int to = ParseCodePage(argv[1]);
  if (from < 0 || to < 0) return exitUsage;
  if (from == Utf8 && to != Utf8) return StreamFromUtf8(static_cast<CodePage>(to));
  if (to == Utf8 && from != Utf8) return StreamToUtf8(static_cast<CodePage>(from));
  return RecodeStream(ChosenRecodingRoute(static_cast<CodePage>(from), static_cast<CodePage>(to)));
}

// fido FROM: into DOS-866 with Н and р as Latin H and p; UTF-8 stays UTF-8 with them.
int RunFido(int argc, char** argv) {
  if (argc != 1) return exitUsage;
  const int from = ParseCodePage(argv[0]);
  if (from < 0) return exitUsage;
  if (from == Utf8) return StreamUtf8Latin(LatinCommand::Fido);
  return RecodeStream(MenuRecodingRoute(RecodeToFido, static_cast<CodePage>(from)));
}

// translit FROM: Latin letters for the Cyrillic ones.
int RunTranslit(int argc, char** argv) {
  if (argc != 1) return exitUsage;
  const int from = ParseCodePage(argv[0]);
  if (from < 0) return exitUsage;
  if (from == Utf8) return StreamUtf8Latin(LatinCommand::Translit);
  std::string latin;
  return TransformStream([from, &latin](unsigned char* bytes, std::size_t length) {
    latin = Transliterate(View(bytes, length), static_cast<CodePage>(from));
    return std::string_view(latin);
  });
}
