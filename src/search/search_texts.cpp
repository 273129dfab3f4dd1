#include "search/search_texts.h"

#include "codepages/utf8_recoding.h"

namespace {

constexpr Position maxWordBytes = 32;
constexpr Position maxUtf8WordBytes = 2 * maxWordBytes;  // as many Cyrillic letters

}  // namespace

std::string WordAtCaret(const EditorOperations& editor, CodePage viewCodePage) {
  Position caret = editor.GetSelection().start;
  Position end = editor.FindWordBreak(WordMove::Right, caret);
  Position start = editor.FindWordBreak(WordMove::Left, end);
  const Position longest = viewCodePage == Utf8 ? maxUtf8WordBytes : maxWordBytes;
  if (end - start > longest) end = start + longest;
  std::string word;
  if (end <= start) return word;
  for (char c : editor.GetTextRange({start, end})) {
    auto byte = static_cast<unsigned char>(c);
    if (byte == 0) break;
    if (byte > 0x20) word.push_back(static_cast<char>(ViewToAnsi(byte, viewCodePage)));
  }
  // A character cut by the limit stays as its bytes, as any byte that is not UTF-8 does.
  return viewCodePage == Utf8 ? RecodeText(word, Utf8, Ansi).bytes : word;
}

std::string AnsiTextToView(std::string_view text, CodePage viewCodePage) {
  std::string bytes;
  if (viewCodePage == Utf8) {
    AppendPageAsUtf8(Ansi, text, bytes);
    return bytes;
  }
  for (char c : text) bytes.push_back(static_cast<char>(AnsiToView(static_cast<unsigned char>(c), viewCodePage)));
  return bytes;
}
