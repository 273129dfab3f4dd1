// Alignment in one pass: each output line is measured by a scan over its words,
// which notes where they lie, and then written from those notes; the scan looks
// at most one word past the line's end, so the time is linear in the text.
#include "codepages/alignment.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "codepages/piece_buffer.h"
#include "codepages/utf8.h"

namespace {

using piece_buffer::PieceBuffer;

constexpr std::array<bool, 256> blankBytes = [] {
  std::array<bool, 256> blank{};
  for (unsigned char b : {0x00, 0x09, 0x0A, 0x0D, 0x20}) blank[b] = true;
  return blank;
}();
constexpr unsigned char highestBlank = 0x20;

bool IsBlank(unsigned char b) { return b <= highestBlank && blankBytes[b]; }

// The first blank in [p, end), or end. Sixteen bytes at a time where SSE2 is: only a byte
// not above the space can be blank, and such bytes are rare inside words.
const unsigned char* WordEnd(const unsigned char* p, const unsigned char* end) {
#if defined(__SSE2__)
  constexpr std::ptrdiff_t chunk = 16;
  const __m128i highest = _mm_set1_epi8(static_cast<char>(highestBlank));
  for (; end - p >= chunk; p += chunk) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    auto low = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(bytes, highest), bytes)));
    for (; low != 0; low &= low - 1) {
      const unsigned char* candidate = p + std::countr_zero(low);
      if (blankBytes[*candidate]) return candidate;
    }
  }
#endif
  while (p < end && !IsBlank(*p)) ++p;
  return p;
}

// A word as the scan found it: [start, end).
struct Word {
  const unsigned char* start;
  const unsigned char* end;
};

// One output line as measured: its words, up to `end` (inclusive).
struct LineScan {
  const unsigned char* end = nullptr;
  std::size_t words = 0;
  std::size_t chars = 0;
  std::size_t lastWordChars = 0;
};

class Aligner {
 public:
  Aligner(std::string_view text, Alignment alignment, const AlignmentSettings& settings)
      : text_(reinterpret_cast<const unsigned char*>(text.data())),
        textEnd_(text_ + text.size()),
        last_(textEnd_ - 1),
        alignment_(alignment),
        settings_(settings),
        // A line's words and the spaces between them fill at most `width + 1` columns before the
        // scan stops, then one word overflows; a final byte may add one more word.
        words_(static_cast<std::size_t>(settings.width) / 2 + 3) {}

  // Writes one output line starting at `start` into `out`; returns where the next one starts,
  // or nothing when `write` refused a piece.
  template <typename Write>
  const unsigned char* WriteLine(const unsigned char* start, int32_t indent, PieceBuffer& out, Write& write) {
    const auto room = static_cast<std::size_t>(settings_.width - indent);
    LineScan line = Scan(start, room);
    FitLine(line, room);
    const std::size_t used = line.chars + std::max<std::size_t>(line.words, 1) - 1;
    // The spare columns (none beside a word too long for the line): at most `room`, so int32_t.
    const auto free = static_cast<int32_t>(used <= room ? room - used : 0);
    const std::size_t count = AddFinalByte(line);
    // At most the indent, the spare columns (spread between the words or in front of them), a
    // space between words, the words (all within start..end) and the line break.
    const std::size_t most = static_cast<std::size_t>(indent) + static_cast<std::size_t>(free) + count +
                             static_cast<std::size_t>(line.end - start) + 1 + lineBreak.size();
    if (!out.MakeRoom(most, write)) return nullptr;
    unsigned char* o = piece_buffer::Spaces(out.End(), static_cast<std::size_t>(indent));
    o = WriteWords(o, line, count, free);
    std::memcpy(o, lineBreak.data(), lineBreak.size());
    out.SetEnd(o + lineBreak.size());
    return line.end + 1;
  }

 private:
  static constexpr std::string_view lineBreak = "\r\n";

  // The columns of the word at [from, to): its bytes, or in UTF-8 its characters.
  std::size_t Columns(const unsigned char* from, const unsigned char* to) const {
    if (!settings_.utf8Columns) return static_cast<std::size_t>(to - from);
    return Utf8CharacterCount(from, static_cast<std::size_t>(to - from));
  }

  // Collects words while they fit with single spaces between them, up to a line feed (unless
  // lines are joined) or the last byte, which is never counted.
  LineScan Scan(const unsigned char* k, std::size_t room) {
    LineScan line;
    const bool join = settings_.joinLines;
    while (k < last_ && line.words + line.chars <= room + 1) {
      // The line feed is looked at where the scan stands, not only after a step over white
      // space, so that text with bare LF line ends keeps its lines as CR LF text does.
      while (k < last_ && IsBlank(*k) && (join || *k != '\n')) ++k;
      if (!join && *k == '\n') break;
      if (k < last_) {
        const unsigned char* wordStart = k;
        k = WordEnd(k, last_);
        words_[line.words++] = {wordStart, k};
        line.lastWordChars = Columns(wordStart, k);
        line.chars += line.lastWordChars;
      }
    }
    line.end = k;
    return line;
  }

  // Gives back the word that overflowed the line; a single word too long for any line stays,
  // and the blanks after it up to a line feed end with it instead of making an empty line.
  void FitLine(LineScan& line, std::size_t room) const {
    if (line.words + line.chars <= room + 1) return;
    if (line.words > 1) {
      --line.words;
      line.chars -= line.lastWordChars;
      line.end = words_[line.words].start - 1;
      return;
    }
    if (settings_.joinLines) return;
    const unsigned char* m = line.end;
    while (m < last_ && IsBlank(*m) && *m != '\n') ++m;
    if (*m == '\n') line.end = m;
  }

  // The last byte of the text, never measured, is written when the line ends there: it
  // lengthens the last word or is a word of its own. Returns how many words are written.
  std::size_t AddFinalByte(const LineScan& line) {
    std::size_t count = line.words;
    if (line.end != last_ || IsBlank(*last_)) return count;
    if (count > 0 && words_[count - 1].end == last_) {
      words_[count - 1].end = textEnd_;
    } else {
      words_[count++] = {last_, textEnd_};
    }
    return count;
  }

  unsigned char* WriteWords(unsigned char* o, const LineScan& line, std::size_t count, int32_t free) const {
    int32_t gapBase = 1;
    std::size_t widerGaps = 0;
    if (alignment_ == AlignJustify && free > 0 && line.words > 1 && line.end < last_) {
      const auto gaps = static_cast<int32_t>(line.words - 1);
      gapBase = free / gaps + 1;
      widerGaps = static_cast<std::size_t>(free % gaps);
    }
    if (alignment_ == AlignCentre) o = piece_buffer::Spaces(o, static_cast<std::size_t>(free / 2));
    if (alignment_ == AlignRight) o = piece_buffer::Spaces(o, static_cast<std::size_t>(free));
    for (std::size_t i = 0; i < count; ++i) {
      // A separator before every word but the first, so an uncounted final word is not glued on.
      if (i > 0) o = piece_buffer::Spaces(o, static_cast<std::size_t>(gapBase) + (i <= widerGaps ? 1 : 0));
      const Word& word = words_[i];
      o = piece_buffer::Copy(o, word.start, static_cast<std::size_t>(word.end - word.start), textEnd_);
    }
    return o;
  }

  const unsigned char* text_;
  const unsigned char* textEnd_;
  const unsigned char* last_;
  Alignment alignment_;
  AlignmentSettings settings_;
  std::vector<Word> words_;
};

int32_t AdjustIndent(int32_t indent, int32_t width) {
  indent = std::max(indent, 0);
  return indent >= width - 8 ? 0 : indent;
}

constexpr std::size_t pieceSize = 1 << 20;

// About the size of the aligned text: a quarter more than the text, computed in 64 bits, where
// a large text passes 4 GB in a 32-bit size_t.
std::uint64_t ExpectedSize(std::string_view text) { return std::uint64_t{text.size()} + text.size() / 4 + 256; }

// Writes the lines one after another, handing `write` pieces of about pieceSize (a short text's
// buffer is no larger than its expected result).
template <typename Write>
bool AlignLines(std::string_view text, Alignment alignment, const AlignmentSettings& adjusted, Write& write) {
  if (text.empty()) return true;
  Aligner aligner(text, alignment, adjusted);
  PieceBuffer out(static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, ExpectedSize(text))));
  const auto* const end = reinterpret_cast<const unsigned char*>(text.data()) + text.size();
  const unsigned char* j = aligner.WriteLine(reinterpret_cast<const unsigned char*>(text.data()),
                                             adjusted.firstIndent, out, write);
  while (j != nullptr && j < end) j = aligner.WriteLine(j, adjusted.leftIndent, out, write);
  return j != nullptr && out.Flush(write);
}

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
  try {
    if (!text.empty()) {
      out.reserve(static_cast<std::size_t>(std::min<std::uint64_t>({outputLimit, out.max_size(), ExpectedSize(text)})));
    }
    auto append = [&](std::string_view piece) {
      if (piece.size() > outputLimit - out.size()) return false;
      out += piece;
      return true;
    };
    if (!AlignLines(text, alignment, AdjustAlignmentSettings(alignment, settings), append)) return std::nullopt;
  } catch (const std::length_error&) {  // more than a string can hold: memory that cannot be had
    throw std::bad_alloc();
  }
  return out;
}

bool AlignTextInPieces(std::string_view text, Alignment alignment, const AlignmentSettings& settings,
                       const std::function<bool(std::string_view piece)>& write) {
  return AlignLines(text, alignment, AdjustAlignmentSettings(alignment, settings), write);
}
