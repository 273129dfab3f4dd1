// EM_EXCHANGETEXT, EM_REPLACEALL and EM_REPLACEBYTES: texts that change
// hands with the caller instead of being streamed, so a command over a huge
// text copies it once, not once more for every hand it passes through.
#include <new>

#include "control/control_editing.h"
#include "control/control_messages.h"
#include "control/control_view.h"
#include "control/document_control.h"
#include "engine/text_storage.h"

namespace {

// The text has changed: a view that cannot follow for lack of memory is no
// failure of the message, whose caller must know its text went in.
void AfterExchange(DocumentControl& control, bool showCaret) {
  try {
    AfterWholeText(control);
    if (showCaret) EnsureCaretVisible(control);
    RefreshView(control);
  } catch (const std::bad_alloc&) {
    RecoverView(control);
  }
}

LRESULT Exchange(DocumentControl& control, TextStorage* text) {
  if (!text) return 0;
  try {
    if (!control.engine.ExchangeText(*text)) return 0;
  } catch (const std::bad_alloc&) {
    return ExchangeOutOfMemory;
  }
  AfterExchange(control, false);
  return 1;
}

LRESULT ReplaceAll(DocumentControl& control, WPARAM options, const REPLACEALL* request) {
  if (!request || !request->pattern || !request->replaced || request->replacementLength < 0) return 0;
  std::string_view replacement(request->replacement ? request->replacement : "",
                               request->replacement ? static_cast<std::size_t>(request->replacementLength) : 0);
  Position count = 0;
  try {
    count = control.engine.ReplaceAll(request->from, request->pattern, static_cast<std::uint32_t>(options),
                                      replacement, *request->replaced);
  } catch (const std::bad_alloc&) {
    return ExchangeOutOfMemory;
  }
  if (count > 0) {
    control.goalX = -1;
    AfterExchange(control, true);
  }
  return count;
}

LRESULT ReplaceBytes(DocumentControl& control, WPARAM count, const char* bytes) {
  if (!bytes && count > 0) return 0;
  try {
    return ReplaceSelection(control, std::string_view(bytes ? bytes : "", count), UndoAction::Separate) ? 1 : 0;
  } catch (const std::bad_alloc&) {  // only before the engine changed anything
    return ExchangeOutOfMemory;
  }
}

}  // namespace

bool HandleExchangeMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case EM_EXCHANGETEXT:
      result = Exchange(control, reinterpret_cast<TextStorage*>(lParam));
      return true;
    case EM_REPLACEBYTES:
      result = ReplaceBytes(control, wParam, reinterpret_cast<const char*>(lParam));
      return true;
    case EM_REPLACEALL:
      result = ReplaceAll(control, wParam, reinterpret_cast<const REPLACEALL*>(lParam));
      return true;
    default:
      return false;
  }
}
