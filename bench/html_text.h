// An HTML text of Windows-1251 words for the tag-painting benchmarks: a tag
// every 35 bytes or so, so that 10 MB hold about 300 000 tags.
#pragma once
#include <cstddef>
#include <random>
#include <string>

inline std::string HtmlText(std::size_t size) {
  static const char* const tags[] = {"<p>", "</p>", "<b>", "</b>", "<a href=\"x.html\">", "</a>", "<br>", "<i>"};
  std::mt19937 random(53);
  std::string text;
  text.reserve(size + 64);
  while (text.size() < size) {
    text += tags[random() % 8];
    for (int w = 0; w < 4; ++w) {
      for (std::size_t letters = 2 + random() % 7; letters > 0; --letters) text += static_cast<char>(0xE0 + random() % 32);
      text += ' ';
    }
    if (random() % 4 == 0) text += "\r\n";
  }
  text.resize(size);
  return text;
}
