// Paragraph alignment: plain text re-flowed into lines of a fixed width made of
// spaces, justified, centred, flush left or flush right.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The four alignments, in the order of their commands.
enum Alignment : int { AlignJustify, AlignCentre, AlignLeft, AlignRight };

// The settings as stored ("RI", "FI", "LI", "IG"), before any adjustment, and how the view
// counts columns.
struct AlignmentSettings {
  int32_t width = 80;       // columns of a line
  int32_t firstIndent = 0;  // spaces before the first output line
  int32_t leftIndent = 0;   // spaces before every other output line
  bool joinLines = false;   // line breaks are white space: the whole text is one paragraph
  // Not stored: the text is shown as UTF-8, so a column is a character (a valid sequence, or
  // a byte that starts none), not a byte.
  bool utf8Columns = false;
};

// Wider settings are read as this many columns: no screen line is that wide, and it keeps
// a hand-edited setting from turning every line into gigabytes of spaces.
constexpr int32_t maxAlignmentWidth = 4096;

// The settings that alignment actually uses. The width is clamped to 0..maxAlignmentWidth and
// negative indents count as 0; centring uses the left indent for the first line too; an indent
// not smaller than width - 8 counts as 0. Width 0 puts every word on a line of its own.
AlignmentSettings AdjustAlignmentSettings(Alignment alignment, const AlignmentSettings& stored);

// Re-flows `text` with the stored `settings` (adjusted as above). White space is the bytes
// 00, TAB, LF, CR and space; a word is a run of other bytes, never cut (none of them stands
// inside a UTF-8 character, so a word is whole characters too). Every output line ends
// in CR LF. Words are packed while they fit the width with single spaces between them; unless
// lines are joined, a line feed ends the output line. Justified lines are stretched to the
// width except the last line of the text; the last byte of the text is written but not
// measured, so a text without a final line break may end in a line one column wider, or two
// when that byte is a word of its own and takes a space before it (counting UTF-8, a final
// character of several bytes is measured).
//
// Returns nothing when the result would exceed `outputLimit` bytes; throws std::bad_alloc when
// memory runs out, which the caller must tell apart. The result is at most about (width + 3)
// bytes per output line plus the text itself.
std::optional<std::string> AlignText(std::string_view text, Alignment alignment, const AlignmentSettings& settings,
                                     std::size_t outputLimit = SIZE_MAX);

// The same alignment for streams: the result is handed to `write` in pieces of about a
// megabyte, so it never has to be held whole. Stops and returns false as soon as `write` does.
bool AlignTextInPieces(std::string_view text, Alignment alignment, const AlignmentSettings& settings,
                       const std::function<bool(std::string_view piece)>& write);
