#include "base/wide_strings.h"

#include <algorithm>
#include <climits>

#include "codepages/buffer_size.h"

std::wstring WideFromBytes(std::string_view bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  int size = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring text;
  // In 32 bits a string of wide characters holds only half a gigabyte.
  text.resize(BufferSize(static_cast<std::size_t>(std::max(length, 0)), 1, 0, text.max_size()));
  if (length > 0) MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::wstring WindowTextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(std::max(0, GetWindowTextLengthW(window))) + 1, L'\0');
  text.resize(static_cast<std::size_t>(std::max(0, GetWindowTextW(window, text.data(), static_cast<int>(text.size())))));
  return text;
}

std::string BytesFromWide(std::wstring_view text, UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  int size = static_cast<int>(text.size());
  int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
  if (length > 0) WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}
