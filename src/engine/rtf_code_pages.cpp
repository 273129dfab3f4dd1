#include "engine/rtf_code_pages.h"

#include "codepages/unicode_maps.h"

namespace {

// Windows-1252 differs from ISO 8859-1 only in 80..9F.
const char16_t cp1252Controls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

}  // namespace

RtfSource SourceFromCodePage(int number) {
  switch (number) {
    case 1251: return RtfSource::Cp1251;
    case 866: return RtfSource::Cp866;
    case 20866: return RtfSource::Koi8R;
    case 28595: return RtfSource::Iso88595;
    case 10007: return RtfSource::MacCyrillic;
    case 1252: return RtfSource::Cp1252;
    case 28591: return RtfSource::Latin1;
    default: return RtfSource::Unknown;
  }
}

RtfSource SourceFromCharset(int charset, RtfSource document) {
  switch (charset) {
    case 0: case 1: case 2: case 77: return document;
    case 204: return RtfSource::Cp1251;  // RUSSIAN_CHARSET
    case 255: return RtfSource::Cp866;   // OEM_CHARSET: the OEM code page of a Cyrillic system
    default: return RtfSource::Unknown;
  }
}

char32_t DecodeRtfByte(RtfSource source, unsigned char byte) {
  if (byte < 0x80) return byte;
  switch (source) {
    case RtfSource::Cp1252:
      return byte < 0xA0 ? cp1252Controls[byte - 0x80] : byte;
    case RtfSource::Latin1: return byte;
    case RtfSource::Unknown: return 0xFFFD;
    default: return ByteToUnicode(static_cast<CodePage>(source), byte);
  }
}
