// Alignment in one pass: each output line is measured by a scan over its words
// and then written; the scan looks at most one word past the line's end, so the
// time is linear in the text.
#include "codepages/alignment.h"

#include <algorithm>
#include <array>
#include <new>
#include <stdexcept>

#include "codepages/utf8.h"

namespace {

constexpr std::array<bool, 256> blankBytes = [] {
  std::array<bool, 256> blank{};
  for (unsigned char b : {0x00, 0x09, 0x0A, 0x0D, 0x20}) blank[b] = true;
  return blank;
}();

// One output line as measured: the words from its start up to `end` (inclusive).
struct LineScan {
  std::size_t end = 0;
  int64_t words = 0;
  int64_t chars = 0;
  std::size_t lastWordStart = 0;
  int64_t lastWordChars = 0;
};

class Aligner {
 public:
  Aligner(std::string_view text, Alignment alignment, const AlignmentSettings& settings, std::string& out)
      : text_(text), last_(text.size() - 1), alignment_(alignment), settings_(settings), out_(out) {}

  // Writes one output line starting at `start`; returns where the next one starts.
  std::size_t WriteLine(std::size_t start, int64_t indent) {
    const int64_t room = settings_.width - indent;
    LineScan line = Scan(start, room);
    FitLine(line, room);
    const int64_t free = room - line.chars - std::max<int64_t>(line.words - 1, 0);
    out_.append(static_cast<std::size_t>(indent), ' ');
    WriteWords(start, line, free);
    out_ += "\r\n";
    return line.end + 1;
  }

 private:
  bool Blank(std::size_t i) const { return blankBytes[static_cast<unsigned char>(text_[i])]; }

  // The columns of the word at [from, to): its bytes, or in UTF-8 its characters.
  int64_t Columns(std::size_t from, std::size_t to) const {
    if (!settings_.utf8Columns) return static_cast<int64_t>(to - from);
    return static_cast<int64_t>(
        Utf8CharacterCount(reinterpret_cast<const unsigned char*>(text_.data()) + from, to - from));
  }

  // Collects words while they fit with single spaces between them, up to a line feed (unless
  // lines are joined) or the last byte, which is never counted.
  LineScan Scan(std::size_t k, int64_t room) const {
    LineScan line;
    while (k < last_ && line.words + line.chars - 1 <= room) {
      // The line feed is looked at where the scan stands, not only after a step over white
      // space, so that text with bare LF line ends keeps its lines as CR LF text does.
      while (k < last_ && Blank(k) && (settings_.joinLines || text_[k] != '\n')) ++k;
      if (!settings_.joinLines && text_[k] == '\n') break;
      if (k < last_) {
        const std::size_t wordStart = k;
        while (k < last_ && !Blank(k)) ++k;
        ++line.words;
        line.lastWordStart = wordStart;
        line.lastWordChars = Columns(wordStart, k);
        line.chars += line.lastWordChars;
      }
    }
    line.end = k;
    return line;
  }

  // Gives back the word that overflowed the line; a single word too long for any line stays,
  // and the blanks after it up to a line feed end with it instead of making an empty line.
  void FitLine(LineScan& line, int64_t room) const {
    if (line.words + line.chars - 1 <= room) return;
    if (line.words > 1) {
      --line.words;
      line.chars -= line.lastWordChars;
      line.end = line.lastWordStart - 1;
      return;
    }
    if (settings_.joinLines) return;
    std::size_t m = line.end;
    while (m < last_ && Blank(m) && text_[m] != '\n') ++m;
    if (text_[m] == '\n') line.end = m;
  }

  void WriteWords(std::size_t j, const LineScan& line, int64_t free) {
    int64_t gapBase = 1, widerGaps = 0;
    if (alignment_ == AlignJustify && free > 0 && line.words > 1 && line.end < last_) {
      gapBase = free / (line.words - 1) + 1;
      widerGaps = free % (line.words - 1);
    }
    if (alignment_ == AlignCentre && free / 2 >= 1) out_.append(static_cast<std::size_t>(free / 2), ' ');
    if (alignment_ == AlignRight && free >= 1) out_.append(static_cast<std::size_t>(free), ' ');
    int64_t gap = 0;
    const std::size_t end = line.end;
    while (j <= end) {
      while (j <= end && Blank(j)) ++j;
      if (j > end) break;
      const std::size_t wordStart = j;
      while (j <= end && !Blank(j)) ++j;
      // A separator before every word but the first, so an uncounted final word is not glued on.
      if (gap > 0) out_.append(static_cast<std::size_t>(gap <= widerGaps ? gapBase + 1 : gapBase), ' ');
      out_.append(text_.data() + wordStart, j - wordStart);
      ++gap;
    }
  }

  std::string_view text_;
  std::size_t last_;
  Alignment alignment_;
  AlignmentSettings settings_;
  std::string& out_;
};

int32_t AdjustIndent(int32_t indent, int32_t width) {
  indent = std::max(indent, 0);
  return indent >= width - 8 ? 0 : indent;
}

// Writes the lines one after another into `out`; after each line `lineDone()` may take what was
// written so far, or stop the run by returning false.
template <typename LineDone>
bool AlignLines(std::string_view text, Alignment alignment, const AlignmentSettings& adjusted, std::string& out,
                LineDone lineDone) {
  Aligner aligner(text, alignment, adjusted, out);
  std::size_t j = aligner.WriteLine(0, adjusted.firstIndent);
  if (!lineDone()) return false;
  while (j < text.size()) {
    j = aligner.WriteLine(j, adjusted.leftIndent);
    if (!lineDone()) return false;
  }
  return true;
}

constexpr std::size_t pieceSize = 1 << 20;

}  // namespace

AlignmentSettings AdjustAlignmentSettings(Alignment alignment, const AlignmentSettings& stored) {
  AlignmentSettings adjusted = stored;
  adjusted.width = std::clamp(stored.width, 0, maxAlignmentWidth);
  if (alignment == AlignCentre) adjusted.firstIndent = stored.leftIndent;
  adjusted.firstIndent = AdjustIndent(adjusted.firstIndent, adjusted.width);
  adjusted.leftIndent = AdjustIndent(adjusted.leftIndent, adjusted.width);
  return adjusted;
}

std::optional<std::string> AlignText(std::string_view text, Alignment alignment, const AlignmentSettings& settings,
                                     std::size_t outputLimit) {
  std::string out;
  if (text.empty()) return out;
  try {
    // In 64 bits: a quarter more than a large text passes 4 GB in a 32-bit size_t.
    const std::uint64_t expected = std::uint64_t{text.size()} + text.size() / 4 + 256;
    out.reserve(static_cast<std::size_t>(std::min<std::uint64_t>({outputLimit, out.max_size(), expected})));
    if (!AlignLines(text, alignment, AdjustAlignmentSettings(alignment, settings), out,
                    [&] { return out.size() <= outputLimit; })) {
      return std::nullopt;
    }
  } catch (const std::length_error&) {  // more than a string can hold: memory that cannot be had
    throw std::bad_alloc();
  }
  return out;
}

bool AlignTextInPieces(std::string_view text, Alignment alignment, const AlignmentSettings& settings,
                       const std::function<bool(std::string_view piece)>& write) {
  if (text.empty()) return true;
  std::string piece;
  piece.reserve(pieceSize + 2 * maxAlignmentWidth);
  const bool written = AlignLines(text, alignment, AdjustAlignmentSettings(alignment, settings), piece, [&] {
    if (piece.size() < pieceSize) return true;
    const bool ok = write(piece);
    piece.clear();
    return ok;
  });
  return written && (piece.empty() || write(piece));
}
