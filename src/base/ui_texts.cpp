#include "base/ui_texts.h"

#include <vector>

std::wstring FillText(std::wstring_view text, std::initializer_list<std::wstring_view> inserts) {
  const std::vector<std::wstring_view> values(inserts);
  std::wstring filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
    const auto index = static_cast<std::size_t>(next - L'1');
    if (text[i] == L'%' && next >= L'1' && next <= L'9' && index < values.size()) {
      filled += values[index];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}
