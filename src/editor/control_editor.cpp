#include "editor/control_editor.h"

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <new>

#include "codepages/buffer_size.h"
#include "control/document_control.h"
#include "editor/editor_control.h"
#include "engine/document_engine.h"

namespace {

LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return editorWindow ? SendMessageA(editorWindow, message, wParam, lParam) : 0;
}

// Hands `bytes` to the control from memory; the callback never throws.
struct StringSource {
  std::string_view bytes;
  size_t next = 0;
};

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) {
  auto* source = reinterpret_cast<StringSource*>(cookie);
  size_t count = std::min(static_cast<size_t>(std::max<LONG>(size, 0)), source->bytes.size() - source->next);
  std::copy_n(source->bytes.data() + source->next, count, buffer);
  source->next += count;
  *transferred = static_cast<LONG>(count);
  return 0;
}

DWORD CALLBACK WriteToString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) {
  auto* target = reinterpret_cast<std::string*>(cookie);
  size_t count = static_cast<size_t>(std::max<LONG>(size, 0));
  if (target->size() + count > target->capacity()) {
    *transferred = 0;
    return 1;  // more than the control said it holds: stop rather than reallocate inside a callback
  }
  target->append(reinterpret_cast<const char*>(buffer), count);
  *transferred = static_cast<LONG>(count);
  return 0;
}

// The control refuses a text over its limit, and one it has no memory for;
// either way it has changed nothing.
bool StreamIn(std::string_view bytes, WPARAM format) {
  if (!editorWindow) return false;
  StringSource source{bytes};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadFromString};
  SendMessageA(editorWindow, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError == ERROR_NOT_ENOUGH_MEMORY) throw std::bad_alloc();
  return stream.dwError == 0;
}

// An empty string with room for `size` bytes; one longer than a string can be
// is as impossible as one the heap cannot give.
std::string Reserved(Position size) {
  std::string text;
  text.reserve(BufferSize(static_cast<std::size_t>(size), 1, 0, text.max_size()));
  return text;
}

// EM_FINDTEXT and its backward twin: the pattern goes as a zero-terminated copy.
Position AskFind(UINT message, PositionRange range, std::string_view pattern, std::uint32_t options) {
  if (!editorWindow) return -1;
  std::string text(pattern);
  FINDTEXTA request{{range.start, range.end}, text.c_str()};
  return static_cast<Position>(SendMessageA(editorWindow, message, options, reinterpret_cast<LPARAM>(&request)));
}

// A copy of the bytes of `range`, already clamped to the text.
std::string CopyRange(PositionRange range) {
  std::string text = Reserved(range.end - range.start + 1);
  text.resize(static_cast<std::size_t>(range.end - range.start) + 1);
  TEXTRANGEA request{{range.start, range.end}, text.data()};
  LRESULT count = Ask(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&request));
  text.resize(static_cast<size_t>(std::clamp<LRESULT>(count, 0, range.end - range.start)));
  return text;
}

}  // namespace

Position ControlEditor::GetTextLength() const { return static_cast<Position>(Ask(WM_GETTEXTLENGTH)); }

PositionRange ControlEditor::GetSelection() const {
  CHARRANGE range{0, 0};
  Ask(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {range.cpMin, range.cpMax};
}

void ControlEditor::SetSelection(PositionRange range) {
  CHARRANGE request{range.start, range.end};
  Ask(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&request));
}

std::string ControlEditor::GetTextRange(PositionRange range) const {
  Position length = GetTextLength();
  Position end = range.end < 0 ? length : std::min(range.end, length);
  Position start = std::clamp<Position>(range.start, 0, end);
  return CopyRange({start, end});
}

std::string ControlEditor::GetSelectedText() const { return CopyRange(GetSelection()); }

bool ControlEditor::ReplaceSelection(std::string_view bytes) {
  LRESULT result = Ask(EM_REPLACEBYTES, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
  if (result == ExchangeOutOfMemory) throw std::bad_alloc();
  return result == 1;
}

void ControlEditor::ClearSelection() { Ask(WM_CLEAR); }

Position ControlEditor::FindWordBreak(WordMove move, Position position) const {
  return static_cast<Position>(Ask(EM_FINDWORDBREAK, static_cast<WPARAM>(move), position));
}

Position ControlEditor::FindInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const {
  return AskFind(EM_FINDTEXT, range, pattern, options);
}

Position ControlEditor::FindLastInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const {
  return AskFind(EM_FINDTEXTBACKWARD, range, pattern, options);
}

// A copy cut short (the control ran out of memory on the way) would later be
// put back as the whole text: it is no copy at all.
std::string ControlEditor::GetWholeText() const {
  Position length = GetTextLength();
  std::string text = Reserved(length);
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&text), 0, WriteToString};
  Ask(EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError != 0 || text.size() != static_cast<std::size_t>(length)) throw std::bad_alloc();
  return text;
}

bool ControlEditor::ReplaceWholeText(std::string_view bytes) { return StreamIn(bytes, SF_TEXT); }

bool ControlEditor::ExchangeWholeText(TextStorage& text) {
  LRESULT result = Ask(EM_EXCHANGETEXT, 0, reinterpret_cast<LPARAM>(&text));
  if (result == ExchangeOutOfMemory) throw std::bad_alloc();
  return result == 1;
}

Position ControlEditor::ReplaceAll(Position from, std::string_view pattern, std::uint32_t options,
                                   std::string_view replacement, TextStorage& replaced) {
  if (!editorWindow) return DocumentEngine::ReplaceStepwise;
  std::string zeroEnded(pattern);
  REPLACEALL request{from, zeroEnded.c_str(), replacement.data(), static_cast<LONG>(replacement.size()), &replaced};
  LRESULT result = Ask(EM_REPLACEALL, options, reinterpret_cast<LPARAM>(&request));
  if (result == ExchangeOutOfMemory) throw std::bad_alloc();
  return static_cast<Position>(result);
}
