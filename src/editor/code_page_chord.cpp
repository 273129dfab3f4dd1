#include "editor/code_page_chord.h"

#include "codepages/code_pages.h"
#include "codepages/recoding_routes.h"
#include "editor/text_transform.h"
#include "editor/view_commands.h"

int32_t chordSource = -1;

void OnCodePageChord(int command) {
  int key = command - firstChordCommand;
  if (key < Ansi || key > Koi8) return;
  if (chordSource < 0) {
    chordSource = key;
    return;
  }
  const auto source = static_cast<CodePage>(chordSource);
  const auto target = static_cast<CodePage>(key);
  chordSource = -1;
  if (source == target) {
    SetViewCodePage(target);
  } else {
    RecodingRoute route = MenuRecodingRoute(RecodeToAnsi + key, source);
    TransformText(RecodeToAnsi + key, route.fromTable, route.toTable);
  }
}

void ResetCodePageChord() { chordSource = -1; }
