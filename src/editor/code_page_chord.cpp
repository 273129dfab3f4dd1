#include "editor/code_page_chord.h"

#include "codepages/code_pages.h"
#include "codepages/recoding_routes.h"
#include "editor/text_transform.h"
#include "editor/view_commands.h"

int32_t chordSource = -1;

void OnCodePageChord(Command command) {
  int key = ViewCodePageOf(chordCommands, command);
  if (key < 0) return;
  if (chordSource < 0) {
    chordSource = key;
    return;
  }
  const auto source = static_cast<CodePage>(chordSource);
  const auto target = static_cast<CodePage>(key);
  chordSource = -1;
  if (source == target) {
    SetViewCodePage(target);
  } else if (source == Utf8 || target == Utf8) {
    RecodeWithUtf8(Command::ChordUtf8, source, target);
  } else {
    Command recoding = CommandFor(Command::RecodeToAnsi, target);
    RecodingRoute route = MenuRecodingRoute(MenuRecoding(recoding), source);
    TransformText(recoding, route.fromTable, route.toTable);
  }
}

void ResetCodePageChord() { chordSource = -1; }
