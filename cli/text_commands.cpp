// The commands that need the whole text, or its start, at once.
#include <string>

#include "cli_streams.h"
#include "codepages/code_page_guess.h"
#include "codepages/equals_escapes.h"
#include "codepages/line_breaks.h"
#include "commands.h"

namespace {

template <typename Transform>
int TransformWholeText(Transform transform) {
  std::string text;
  if (!ReadStandardInput(text)) return exitFailure;
  return WriteStandardOutput(transform(text));
}

}  // namespace

// guess: the view code page the editor would choose for this text.
int RunGuess(int argc, char**) {
  if (argc != 0) return exitUsage;
  std::string start;
  if (!ReadStandardInputStart(start, codePageGuessSample)) return exitFailure;
  return WriteStandardOutput(std::string(CodePageArgument(GuessLoadedView(start))) + "\n");
}

// unescape: =XX escapes into the bytes they spell.
int RunUnescape(int argc, char**) {
  if (argc != 0) return exitUsage;
  return TransformWholeText(DecodeEqualsEscapes);
}

// fix-breaks: a line feed after every carriage return that lacks one.
int RunFixBreaks(int argc, char**) {
  if (argc != 0) return exitUsage;
  return TransformWholeText(RepairLineBreaks);
}
