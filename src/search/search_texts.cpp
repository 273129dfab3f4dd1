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
  if (end <= start) return {};
  std::string text = editor.GetTextRange({start, end});
  if (viewCodePage == Utf8) text.resize(Utf8WordLength(text));
  std::string word;
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte == 0) break;
    if (byte > 0x20) word.push_back(c);
  }
  if (viewCodePage == Utf8) return word;
  std::string utf8;
  AppendPageAsUtf8(viewCodePage, word, utf8);
  return utf8;
}

std::string TypedTextToView(std::string_view text, CodePage viewCodePage, std::size_t capacity) {
  std::string bytes = viewCodePage == Utf8 ? std::string(text) : RecodeText(text, Utf8, viewCodePage).bytes;
  if (bytes.size() <= capacity) return bytes;
  std::size_t cut = capacity;
  if (viewCodePage == Utf8) {
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;  // inside a character
  }
  bytes.resize(cut);
  return bytes;
}
