#include "control/char_format_mapping.h"

#include <algorithm>
#include <cstring>

#include "base/wide_strings.h"

namespace {

// Effects the control never shows; a query reports them as uniformly absent.
constexpr DWORD AbsentEffects = CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_OFFSET;

const CHARFORMATW& Wide(const CHARFORMATA& record) { return reinterpret_cast<const CHARFORMATW&>(record); }
CHARFORMATW& Wide(CHARFORMATA& record) { return reinterpret_cast<CHARFORMATW&>(record); }

// A narrow record names its face in the system code page, as Windows does.
std::u16string FaceOf(const CHARFORMATA& record) {
  if (IsWideCharFormat(record.cbSize)) return EngineFace(Wide(record).szFaceName);
  std::string_view narrow(record.szFaceName, strnlen(record.szFaceName, sizeof record.szFaceName));
  return EngineFace(WideFromBytes(narrow, CP_ACP).c_str());
}

void PutFace(const std::u16string& face, CHARFORMATA& record) {
  std::wstring wide = WideFace(face);
  if (IsWideCharFormat(record.cbSize)) {
    wchar_t(&to)[LF_FACESIZE] = Wide(record).szFaceName;
    std::size_t n = std::min<std::size_t>(wide.size(), LF_FACESIZE - 1);
    std::wmemcpy(to, wide.data(), n);
    to[n] = L'\0';
    return;
  }
  std::string narrow = BytesFromWide(wide, CP_ACP);
  std::size_t n = std::min(narrow.size(), sizeof record.szFaceName - 1);
  std::memcpy(record.szFaceName, narrow.data(), n);
  record.szFaceName[n] = '\0';
}

}  // namespace

bool IsWideCharFormat(UINT cbSize) { return cbSize == sizeof(CHARFORMATW) || cbSize == sizeof(CHARFORMAT2W); }

std::wstring WideFace(const std::u16string& face) { return std::wstring(face.begin(), face.end()); }

std::u16string EngineFace(const wchar_t* face) {
  std::size_t n = wcsnlen(face, LF_FACESIZE);
  return std::u16string(face, face + n);
}

bool FormatFromCharFormat(const CHARFORMATA& record, CharFormat& format, std::uint32_t& mask) {
  if (record.cbSize < sizeof(CHARFORMATA)) return false;
  mask = record.dwMask & FormatEvery;
  format.bold = (record.dwEffects & CFE_BOLD) != 0;
  format.italic = (record.dwEffects & CFE_ITALIC) != 0;
  format.height = record.yHeight;
  format.charset = record.bCharSet;
  format.pitchAndFamily = record.bPitchAndFamily;
  format.colour = (record.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : record.crTextColor;
  format.face = FaceOf(record);
  return true;
}

void CharFormatFromFormat(const CharFormat& format, std::uint32_t uniform, CHARFORMATA& record) {
  UINT size = record.cbSize;
  std::size_t fields = IsWideCharFormat(size) ? sizeof(CHARFORMATW) : sizeof(CHARFORMATA);
  std::memset(reinterpret_cast<char*>(&record) + sizeof record.cbSize, 0, fields - sizeof record.cbSize);
  record.cbSize = size;
  record.dwMask = uniform | AbsentEffects;
  record.dwEffects = (format.bold ? CFE_BOLD : 0) | (format.italic ? CFE_ITALIC : 0);
  record.yHeight = format.height;
  record.crTextColor = format.colour;
  record.bCharSet = format.charset;
  record.bPitchAndFamily = format.pitchAndFamily;
  PutFace(format.face, record);
}
