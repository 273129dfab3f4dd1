#include "russian_texts.h"

#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

const std::filesystem::path fortunesDir = "/usr/share/games/fortunes/ru";

}  // namespace

std::string RussianText(const std::string& name) {
  if (!std::filesystem::is_directory(fortunesDir)) {
    throw std::runtime_error("Russian texts missing: install fortunes-ru (scripts/install-deps.sh)");
  }
  std::ifstream file(fortunesDir / name, std::ios::binary);
  if (!file) throw std::runtime_error("no Russian text " + name);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string ConvertFromUtf8(std::string_view utf8, const char* charset) {
  iconv_t converter = iconv_open(charset, "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv lacks ") + charset);
  std::string out(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  char* to = out.data();
  size_t inLeft = utf8.size(), outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(converter, &in, &inLeft, &to, &outLeft) != static_cast<size_t>(-1)) break;
    // A character the charset lacks, or a broken sequence: skip one input byte.
    ++in;
    --inLeft;
  }
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}
