// Reading the text of a drop. Unlike the clipboard, a data object converts
// nothing: a program that offers only Unicode text (every Linux program
// through Wine's drag bridge) or only the other 8-bit format is converted
// here, the way the clipboard would.
#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <new>

#include "codepages/buffer_size.h"
#include "control/text_transfer.h"
#include "control/wide_text.h"

namespace {

// The whole block of `format` as the data object hands it over.
bool ReadBlock(IDataObject* data, CLIPFORMAT format, std::string& bytes) {
  FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (data->GetData(&request, &medium) != S_OK) return false;
  bool read = false;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    if (const char* block = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
      bytes.assign(block, GlobalSize(medium.hGlobal));
      GlobalUnlock(medium.hGlobal);
      read = true;
    }
  }
  ReleaseStgMedium(&medium);
  return read;
}

void CutAtZero(std::string& bytes) { bytes.resize(strnlen(bytes.data(), bytes.size())); }

}  // namespace

namespace {

// The dropped text in Unicode: its own, or an 8-bit format but `skip` converted.
bool ReadWide(IDataObject* data, CLIPFORMAT skip, std::wstring& text) {
  std::string block;
  if (ReadBlock(data, CF_UNICODETEXT, block)) {
    text.assign(reinterpret_cast<const wchar_t*>(block.data()), block.size() / sizeof(wchar_t));
    text.resize(wcsnlen(text.data(), text.size()));
    return true;
  }
  for (CLIPFORMAT other : {CF_TEXT, CF_OEMTEXT}) {
    if (other == skip || !ReadBlock(data, other, block)) continue;
    CutAtZero(block);
    text = WideFromBytes(block, CodePageOfFormat(other));
    return true;
  }
  return false;
}

}  // namespace

bool ReadDroppedText(IDataObject* data, CLIPFORMAT format, std::string& bytes) {
  std::string block;
  if (ReadBlock(data, format, block)) {
    CutAtZero(block);
    bytes = std::move(block);
    return true;
  }
  std::wstring text;
  if (!ReadWide(data, format, text)) return false;
  bytes = BytesFromWide(text, CodePageOfFormat(format));
  return true;
}

bool ReadDroppedUtf8(IDataObject* data, std::string& bytes) {
  std::wstring text;
  if (!ReadWide(data, 0, text)) return false;
  bytes = BytesFromWide(text, CP_UTF8);
  return true;
}
