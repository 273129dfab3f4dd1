// RtfToText on any bytes, into each view code page.
#include "engine/rtf_reader.h"

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  const std::size_t start = rtf.find_first_not_of(" \t\r\n");
  const bool signed_ = start != std::string_view::npos && rtf.substr(start).starts_with("{\\rtf");
  for (CodePage target : {Ansi, Oem, Koi8}) {
    const std::string text = RtfToText(rtf, target);
    FUZZ_CHECK(text.size() <= 3 * rtf.size());
    // What does not even start like RTF is plain text and comes back whole.
    FUZZ_CHECK(signed_ || text == rtf);
  }
  return 0;
}
