#include "engine/char_format.h"

void MergeFormat(CharFormat& into, const CharFormat& from, std::uint32_t mask) {
  if (mask & FormatFace) {
    into.face = from.face.substr(0, MaxFaceLength);
    into.pitchAndFamily = from.pitchAndFamily;
  }
  if (mask & FormatHeight) into.height = from.height;
  if (mask & FormatCharset) into.charset = from.charset;
  if (mask & FormatBold) into.bold = from.bold;
  if (mask & FormatItalic) into.italic = from.italic;
  if (mask & FormatColour) into.colour = from.colour;
}
