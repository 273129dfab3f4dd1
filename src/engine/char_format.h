// Character format of the document control, modelled without windows.h: the
// window layer maps it field by field to CHARFORMATA and CHARFORMATW.
#pragma once
#include <cstdint>
#include <string>

// A colour as COLORREF: 0x00BBGGRR.
using Colour = std::uint32_t;

// Which fields a format request sets, or which fields are uniform in a range.
// The values are those of CFM_BOLD, CFM_ITALIC, CFM_CHARSET, CFM_FACE,
// CFM_COLOR and CFM_SIZE.
enum FormatMask : std::uint32_t {
  FormatBold = 0x00000001,
  FormatItalic = 0x00000002,
  FormatCharset = 0x08000000,
  FormatFace = 0x20000000,
  FormatColour = 0x40000000,
  FormatHeight = 0x80000000,
  FormatEvery = FormatBold | FormatItalic | FormatCharset | FormatFace | FormatColour | FormatHeight,
};

inline constexpr std::size_t MaxFaceLength = 31;  // LF_FACESIZE less the terminating zero, in UTF-16 units

struct CharFormat {
  std::u16string face;              // at most MaxFaceLength units; empty: the window picks a fixed-pitch face
  std::uint8_t pitchAndFamily = 0;  // travels with the face
  std::int32_t height = 200;        // twips; 0 lets the window choose
  std::uint8_t charset = 1;         // DEFAULT_CHARSET
  bool bold = false;
  bool italic = false;
  Colour colour = 0;
  bool operator==(const CharFormat&) const = default;
};

// The format of a range: the values at its start, and the mask of the fields
// that are the same over the whole range.
struct FormatQuery {
  CharFormat format;
  std::uint32_t uniform = 0;
};

// Copies the fields named by `mask` from `from` into `into`; a face longer
// than MaxFaceLength is cut there.
void MergeFormat(CharFormat& into, const CharFormat& from, std::uint32_t mask);
