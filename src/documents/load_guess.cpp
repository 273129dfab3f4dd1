#include "documents/load_guess.h"

#include <windows.h>

#include <string_view>

#include "base/heap_blocks.h"
#include "codepages/code_page_guess.h"
#include "editor/editor_control.h"
#include "editor/view_format.h"
#include "editor/view_refresh.h"

void GuessViewAfterLoad() {
  if (!editorWindow) return;
  // Room for the whole sample, its terminating zero and one spare byte.
  auto* sample = static_cast<char*>(HeapAllocZero(codePageGuessSample + 2));
  if (!sample) return;
  auto length = static_cast<size_t>(SendMessageA(editorWindow, WM_GETTEXT, codePageGuessSample + 1,
                                                 reinterpret_cast<LPARAM>(sample)));
  std::string_view start(sample, length < codePageGuessSample ? length : codePageGuessSample);
  CodePage guess = GuessLoadedView(start);
  if (guess != viewCodePage) {
    viewCodePage = guess;
    RefreshViewFormat();
  }
  HeapFreeIfAny(sample);
}
