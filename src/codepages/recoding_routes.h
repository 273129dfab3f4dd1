// Which tables each recoding command applies, and what becomes of the view code page.
#pragma once
#include <cstdint>

#include "codepages/code_pages.h"

// The recoding commands, the menu's first and in CodePage order.
enum RecodingCommand : int {
  RecodeToAnsi,
  RecodeToOem,
  RecodeToKoi8,
  RecodeToFido,  // DOS-866 with Н and р written as Latin H and p
  RecodeChosen,  // the code-page dialog: any code page to any
};

// What RecodeBytes is given, and the view code page after the whole text was recoded.
struct RecodingRoute {
  int32_t fromTable = NoTable;  // into DOS-866
  int32_t toTable = NoTable;    // out of DOS-866, or FidoTarget
  int viewCodePage = -1;        // a CodePage, or -1 when the view stays as it is
};

// The menu's recodings from `source`: the view code page for the menu commands, the first
// code page of a Ctrl+W / Ctrl+D / Ctrl+K chord for the chord. RecodeChosen recodes nothing.
RecodingRoute MenuRecodingRoute(RecodingCommand command, CodePage source);

// RecodeChosen: from `source` to `target`; the view code page never changes.
RecodingRoute ChosenRecodingRoute(CodePage source, CodePage target);
