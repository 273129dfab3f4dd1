// Alignment with mode, width, indents, joining and UTF-8 columns taken from the
// input's first four bytes and the rest as the text.
#include "codepages/alignment.h"

#include <climits>
#include <string>
#include <vector>

#include "codepages/utf8.h"
#include "fuzz/fuzz_support.h"

namespace {

std::vector<std::string_view> Words(std::string_view text) {
  static constexpr std::string_view blanks("\0\t\n\r ", 5);
  std::vector<std::string_view> words;
  for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find_first_of(blanks, start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
  }
  return words;
}

// Mostly small values, now and then the settings a hand-edited store may hold.
int32_t Setting(std::uint8_t b) {
  static const int32_t extremes[] = {-1, -100, INT32_MIN, INT32_MAX, maxAlignmentWidth, maxAlignmentWidth + 1};
  return b < 240 ? static_cast<int32_t>(b) - 8 : extremes[(b - 240) % std::size(extremes)];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::uint8_t modeByte = input.Byte();
  const auto mode = static_cast<Alignment>(AlignJustify + modeByte % 4);
  AlignmentSettings settings;
  settings.joinLines = (modeByte & 4) != 0;
  settings.utf8Columns = (modeByte & 16) != 0;
  settings.width = Setting(input.Byte());
  settings.firstIndent = Setting(input.Byte());
  settings.leftIndent = Setting(input.Byte());
  std::string_view text = input.Rest();
  // Wide lines on many line feeds make megabytes of spaces, slowly and to no purpose.
  if (settings.width > 300) text = text.substr(0, 256);

  const std::optional<std::string> aligned = AlignText(text, mode, settings);
  FUZZ_CHECK(aligned.has_value());
  const std::string& out = *aligned;
  FUZZ_CHECK(out.empty() == text.empty());
  // Only white space changes: the words stay, in order, between spaces and CR LF.
  FUZZ_CHECK(Words(out) == Words(text));
  FUZZ_CHECK(out.find('\0') == std::string::npos && out.find('\t') == std::string::npos);

  const AlignmentSettings adjusted = AdjustAlignmentSettings(mode, settings);
  std::size_t start = 0;
  for (int line = 0; start < out.size(); ++line) {
    const std::size_t end = out.find("\r\n", start);
    const std::string_view row = std::string_view(out).substr(start, end - start);
    FUZZ_CHECK(end != std::string::npos && row.find_first_of("\r\n") == std::string_view::npos);
    start = end + 2;
    const bool last = start == out.size();
    const auto indent = static_cast<std::size_t>(line == 0 ? adjusted.firstIndent : adjusted.leftIndent);
    const std::size_t leading = std::min(row.find_first_not_of(' '), row.size());
    const auto width = static_cast<std::size_t>(adjusted.width);
    const std::size_t columns =
        settings.utf8Columns ? Utf8CharacterCount(reinterpret_cast<const unsigned char*>(row.data()), row.size())
                             : row.size();
    FUZZ_CHECK(mode == AlignCentre || mode == AlignRight ? leading >= indent : leading == indent);
    // Lines of several words fit; only the last may be wider, its final byte not being measured.
    if (Words(row).size() >= 2) {
      FUZZ_CHECK(columns <= width + (last ? 2 : 0));
      FUZZ_CHECK(last || (mode != AlignJustify && mode != AlignRight) || columns == width);
    }
  }

  // The limit refuses exactly what is longer, and pieces add up to the same text.
  FUZZ_CHECK(AlignText(text, mode, settings, out.size()) == aligned);
  FUZZ_CHECK(out.empty() || !AlignText(text, mode, settings, out.size() - 1));
  // The streaming form reserves a megabyte each time: checked on half of the inputs, at twice the speed.
  if ((modeByte & 8) != 0) {
    std::string pieces;
    FUZZ_CHECK(AlignTextInPieces(text, mode, settings, [&](std::string_view piece) {
      pieces += piece;
      return true;
    }));
    FUZZ_CHECK(pieces == out);
    // A writer that fails (a full disk) stops the run, and the failure is reported.
    FUZZ_CHECK(out.empty() || !AlignTextInPieces(text, mode, settings, [](std::string_view) { return false; }));
  }
  return 0;
}
