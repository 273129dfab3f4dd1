#include "search/search_texts.h"

namespace {

constexpr Position maxWordBytes = 32;

}  // namespace

std::string WordAtCaret(const EditorOperations& editor, CodePage viewCodePage) {
  Position caret = editor.GetSelection().start;
  Position end = editor.FindWordBreak(WordMove::Right, caret);
  Position start = editor.FindWordBreak(WordMove::Left, end);
  if (end - start > maxWordBytes) end = start + maxWordBytes;
  std::string word;
  if (end <= start) return word;
  for (char c : editor.GetTextRange({start, end})) {
    auto byte = static_cast<unsigned char>(c);
    if (byte == 0) break;
    if (byte > 0x20) word.push_back(static_cast<char>(ViewToAnsi(byte, viewCodePage)));
  }
  return word;
}

std::string AnsiTextToView(std::string_view text, CodePage viewCodePage) {
  std::string bytes;
  for (char c : text) bytes.push_back(static_cast<char>(AnsiToView(static_cast<unsigned char>(c), viewCodePage)));
  return bytes;
}
