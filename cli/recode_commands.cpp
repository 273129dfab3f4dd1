// The commands that rewrite every byte on its own, streamed chunk by chunk.
#include <string>

#include "cli_streams.h"
#include "commands.h"
#include "codepages/code_pages.h"
#include "codepages/recoding_routes.h"
#include "codepages/transliteration.h"

namespace {

int RecodeStream(RecodingRoute route) {
  return TransformStream([route](unsigned char* bytes, std::size_t length) {
    RecodeBytes(bytes, length, route.fromTable, route.toTable);
    return std::string_view(reinterpret_cast<const char*>(bytes), length);
  });
}

}  // namespace

// recode FROM TO: the route through DOS-866 that the editor's code-page dialog takes.
int RunRecode(int argc, char** argv) {
  if (argc != 2) return exitUsage;
  const int from = ParseCodePage(argv[0]);
  const int to = ParseCodePage(argv[1]);
  if (from < 0 || to < 0) return exitUsage;
  return RecodeStream(ChosenRecodingRoute(static_cast<CodePage>(from), static_cast<CodePage>(to)));
}

// fido FROM: into DOS-866 with Н and р as Latin H and p.
int RunFido(int argc, char** argv) {
  if (argc != 1) return exitUsage;
  const int from = ParseCodePage(argv[0]);
  if (from < 0) return exitUsage;
  return RecodeStream(MenuRecodingRoute(RecodeToFido, static_cast<CodePage>(from)));
}

// translit FROM: Latin letters for the Cyrillic ones.
int RunTranslit(int argc, char** argv) {
  if (argc != 1) return exitUsage;
  const int from = ParseCodePage(argv[0]);
  if (from < 0) return exitUsage;
  std::string latin;
  return TransformStream([from, &latin](unsigned char* bytes, std::size_t length) {
    latin = Transliterate(std::string_view(reinterpret_cast<const char*>(bytes), length), static_cast<CodePage>(from));
    return std::string_view(latin);
  });
}
