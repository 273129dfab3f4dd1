#include "control/char_format_mapping.h"

#include <algorithm>
#include <cstring>

namespace {

// Effects the control never shows; a query reports them as uniformly absent.
constexpr DWORD AbsentEffects = CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_OFFSET;

}  // namespace

bool FormatFromCharFormat(const CHARFORMATA& record, CharFormat& format, std::uint32_t& mask) {
  if (record.cbSize < sizeof(CHARFORMATA)) return false;
  mask = record.dwMask & FormatEvery;
  format.bold = (record.dwEffects & CFE_BOLD) != 0;
  format.italic = (record.dwEffects & CFE_ITALIC) != 0;
  format.height = record.yHeight;
  format.charset = record.bCharSet;
  format.pitchAndFamily = record.bPitchAndFamily;
  format.colour = (record.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : record.crTextColor;
  format.face.assign(record.szFaceName, strnlen(record.szFaceName, sizeof record.szFaceName));
  return true;
}

void CharFormatFromFormat(const CharFormat& format, std::uint32_t uniform, CHARFORMATA& record) {
  UINT size = record.cbSize;
  std::memset(reinterpret_cast<char*>(&record) + sizeof record.cbSize, 0, sizeof record - sizeof record.cbSize);
  record.cbSize = size;
  record.dwMask = uniform | AbsentEffects;
  record.dwEffects = (format.bold ? CFE_BOLD : 0) | (format.italic ? CFE_ITALIC : 0);
  record.yHeight = format.height;
  record.crTextColor = format.colour;
  record.bCharSet = format.charset;
  record.bPitchAndFamily = format.pitchAndFamily;
  std::size_t n = std::min(format.face.size(), sizeof record.szFaceName - 1);
  std::memcpy(record.szFaceName, format.face.data(), n);
}
