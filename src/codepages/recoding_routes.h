// Which tables each recoding command applies, and what becomes of the view code page.
#pragma once
#include <cstdint>

#include "codepages/code_pages.h"

// The recoding commands; each value is the command's number.
enum RecodingCommand : int {
  RecodeChosen = 27,  // the code-page dialog: any code page to any
  RecodeToAnsi = 29,
  RecodeToOem = 30,
  RecodeToKoi8 = 31,
  RecodeToFido = 32,  // DOS-866 with Н and р written as Latin H and p
};

// What RecodeBytes is given, and the view code page after the whole text was recoded.
struct RecodingRoute {
  int32_t fromTable = NoTable;  // into DOS-866
  int32_t toTable = NoTable;    // out of DOS-866, or FidoTarget
  int viewCodePage = -1;        // a CodePage, or -1 when the view stays as it is
};

// Commands 29-32 from `source`: the view code page for the menu commands, the first code
// page of a Ctrl+W / Ctrl+D / Ctrl+K chord for the chord. Any other command recodes nothing.
RecodingRoute MenuRecodingRoute(int command, CodePage source);

// Command 27: from `source` to `target`; the view code page never changes.
RecodingRoute ChosenRecodingRoute(CodePage source, CodePage target);
