#include "search/search_texts.h"

#include <algorithm>

#include "codepages/utf8.h"
#include "codepages/utf8_recoding.h"

namespace {

constexpr std::size_t maxWordCharacters = 32;

// The bytes of the first maxWordCharacters characters of `text`: the limit never cuts a
// UTF-8 character, so the word converts whole.
std::size_t Utf8WordLength(const std::string& text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t at = 0;
  for (std::size_t count = 0; count < maxWordCharacters && at < text.size(); ++count) {
    Utf8Sequence sequence = DecodeUtf8(bytes + at, text.size() - at);
    at += sequence.status == Utf8Status::Valid ? sequence.length : 1;
  }
  return at;
}

}  // namespace

std::string WordAtCaret(const EditorOperations& editor, CodePage viewCodePage) {
  Position caret = editor.GetSelection().start;
  Position end = editor.FindWordBreak(WordMove::Right, caret);
  Position start = editor.FindWordBreak(WordMove::Left, end);
  const std::size_t bytesEach = viewCodePage == Utf8 ? maxUtf8Length : 1;
  end = std::min(end, start + static_cast<Position>(maxWordCharacters * bytesEach));
  std::string word;
  if (end <= start) return word;
  std::string text = editor.GetTextRange({start, end});
  if (viewCodePage == Utf8) text.resize(Utf8WordLength(text));
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte == 0) break;
    if (byte > 0x20) word.push_back(static_cast<char>(ViewToAnsi(byte, viewCodePage)));
  }
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
