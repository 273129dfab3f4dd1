// The aligner writes lines from notes on where its words lie, in sixteen-byte stores; this
// model writes the same rules a byte and a word at a time, straight from the text. Both must
// give the same bytes on random texts, in every alignment, joined or not, counting bytes or
// UTF-8 characters, whole and in pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "codepages/alignment.h"
#include "codepages/utf8.h"

namespace {

class ModelAligner {
 public:
  ModelAligner(std::string_view text, Alignment alignment, const AlignmentSettings& settings)
      : text_(text), alignment_(alignment), settings_(AdjustAlignmentSettings(alignment, settings)) {}

  std::string Run() {
    if (text_.empty()) return out_;
    std::size_t j = Line(0, settings_.firstIndent);
    while (j < text_.size()) j = Line(j, settings_.leftIndent);
    return out_;
  }

 private:
  bool Blank(std::size_t i) const { return std::string_view("\0\t\n\r ", 5).find(text_[i]) != std::string_view::npos; }
  bool Feed(std::size_t i) const { return !settings_.joinLines && text_[i] == '\n'; }
  int64_t Columns(std::size_t from, std::size_t to) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text_.data()) + from;
    return static_cast<int64_t>(settings_.utf8Columns ? Utf8CharacterCount(bytes, to - from) : to - from);
  }

  // Measures words while they fit (the text's last byte never counts), gives back the one that
  // overflowed, then writes every word up to where the line ends, that last byte included.
  std::size_t Line(std::size_t k, int32_t indent) {
    const std::size_t start = k, last = text_.size() - 1;
    const int64_t room = settings_.width - indent;
    int64_t words = 0, chars = 0, lastChars = 0;
    std::size_t lastStart = 0;
    while (k < last && words + chars - 1 <= room) {
      while (k < last && Blank(k) && !Feed(k)) ++k;
      if (Feed(k)) break;
      if (k == last) break;
      lastStart = k;
      while (k < last && !Blank(k)) ++k;
      ++words;
      chars += lastChars = Columns(lastStart, k);
    }
    if (words + chars - 1 > room && words > 1) {
      --words;
      chars -= lastChars;
      k = lastStart - 1;
    } else if (words + chars - 1 > room && !settings_.joinLines) {
      std::size_t m = k;
      while (m < last && Blank(m) && text_[m] != '\n') ++m;
      if (text_[m] == '\n') k = m;
    }
    const int64_t free = room - chars - std::max<int64_t>(words - 1, 0);
    const bool stretched = alignment_ == AlignJustify && free > 0 && words > 1 && k < last;
    out_ += std::string(static_cast<std::size_t>(indent), ' ');
    if (alignment_ == AlignCentre && free > 1) out_ += std::string(static_cast<std::size_t>(free / 2), ' ');
    if (alignment_ == AlignRight && free > 0) out_ += std::string(static_cast<std::size_t>(free), ' ');
    int64_t written = 0;
    for (std::size_t j = start; j <= k; ++j) {
      if (Blank(j)) continue;
      if (j == start || Blank(j - 1)) {  // a word starts: the gap before it
        if (written > 0) {
          const int64_t gap = stretched ? free / (words - 1) + 1 + (written <= free % (words - 1)) : 1;
          out_ += std::string(static_cast<std::size_t>(gap), ' ');
        }
        ++written;
      }
      out_ += text_[j];
    }
    out_ += "\r\n";
    return k + 1;
  }

  std::string_view text_;
  Alignment alignment_;
  AlignmentSettings settings_;
  std::string out_;
};

// Short words of Russian letters (Windows-1251 and UTF-8 bytes), Latin ones and control bytes,
// every kind of blank, now and then a run of blanks or a word longer than a line.
std::string RandomText(std::mt19937& random) {
  static const std::string_view pieces[] = {
      "a", "bc", "\xE0\xE1", "\xD0\xB6", "\xF0\x9F\x98\x80", "\xFF", "\x01", " ", " ", " ", "\r\n", "\n", "\t",
      std::string_view("\0", 1), "\r", "  "};
  std::string text;
  const std::size_t count = random() % 120;
  for (std::size_t i = 0; i < count; ++i) {
    if (random() % 40 == 0) text.append(random() % 50, 'w');
    text += pieces[random() % std::size(pieces)];
  }
  return text;
}

}  // namespace

TEST(AlignmentModel, SameBytesAsTheModel) {
  std::mt19937 random(2026);
  const int32_t widths[] = {0, 1, 7, 9, 12, 20, 33, 80, maxAlignmentWidth};
  for (int round = 0; round < 20000; ++round) {
    // An exact copy, so that reading one byte past the text is the sanitizer's to see.
    const std::string text = RandomText(random);
    const auto exact = std::make_unique<char[]>(text.size());
    std::copy(text.begin(), text.end(), exact.get());
    const std::string_view view(exact.get(), text.size());

    AlignmentSettings settings;
    settings.width = widths[random() % std::size(widths)];
    settings.firstIndent = static_cast<int32_t>(random() % 6) - 1;
    settings.leftIndent = static_cast<int32_t>(random() % 6) - 1;
    settings.joinLines = random() % 2 == 0;
    settings.utf8Columns = random() % 2 == 0;
    const auto alignment = static_cast<Alignment>(round % 4);
    SCOPED_TRACE(testing::Message() << "round " << round << ", width " << settings.width);

    const std::string expected = ModelAligner(view, alignment, settings).Run();
    ASSERT_EQ(AlignText(view, alignment, settings), expected);
    std::string pieces;
    ASSERT_TRUE(AlignTextInPieces(view, alignment, settings, [&](std::string_view piece) {
      pieces += piece;
      return true;
    }));
    ASSERT_EQ(pieces, expected);
  }
}
