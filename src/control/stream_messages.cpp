// EM_STREAMIN and EM_STREAMOUT: the caller's EDITSTREAM callback feeds or
// takes the engine's bytes.
#include <richedit.h>

#include <new>

#include "control/control_messages.h"
#include "control/control_view.h"

namespace {

// The engine calls this; it calls the caller's callback with the caller's
// cookie and calling convention.
std::uint32_t Relay(std::uintptr_t cookie, unsigned char* buffer, std::int32_t size, std::int32_t* transferred) {
  auto* stream = reinterpret_cast<EDITSTREAM*>(cookie);
  LONG count = 0;
  DWORD error = stream->pfnCallback(stream->dwCookie, buffer, size, &count);
  *transferred = count;
  return error;
}

LRESULT StreamIn(DocumentControl& control, WPARAM format, EDITSTREAM* stream) {
  if (!stream || !stream->pfnCallback) return 0;
  DocumentEngine& engine = control.engine;
  PositionRange selection = engine.GetSelection();
  Position before = engine.GetLength();
  EngineStream relay{reinterpret_cast<std::uintptr_t>(stream), 0, Relay};
  Position read = engine.StreamIn(relay, static_cast<std::uint32_t>(format));
  stream->dwError = relay.error;
  if (relay.error != 0) return read;
  // The text has changed: a view that cannot follow for lack of memory is no
  // failure of the stream, whose caller must know its text went in.
  try {
    if (format & SFF_SELECTION) {
      Position removed = selection.end - selection.start;
      AfterReplace(control, selection.start, removed, engine.GetLength() - before + removed);
      KeepSelectionOnCharacters(control);
      control.goalX = -1;
      EnsureCaretVisible(control);
    } else {
      AfterWholeText(control);
    }
    RefreshView(control);
  } catch (const std::bad_alloc&) {
    RecoverView(control);
  }
  return read;
}

LRESULT StreamOut(DocumentControl& control, WPARAM format, EDITSTREAM* stream) {
  if (!stream || !stream->pfnCallback) return 0;
  EngineStream relay{reinterpret_cast<std::uintptr_t>(stream), 0, Relay};
  Position written = control.engine.StreamOut(relay, static_cast<std::uint32_t>(format));
  stream->dwError = relay.error;
  return written;
}

}  // namespace

bool HandleStreamMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case EM_STREAMIN:
      result = StreamIn(control, wParam, reinterpret_cast<EDITSTREAM*>(lParam));
      return true;
    case EM_STREAMOUT:
      result = StreamOut(control, wParam, reinterpret_cast<EDITSTREAM*>(lParam));
      return true;
    default:
      return false;
  }
}
