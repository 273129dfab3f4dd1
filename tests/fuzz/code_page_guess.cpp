// The view code-page guess on any bytes.
#include "codepages/code_page_guess.h"

#include <string>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const CodePage guess = GuessViewCodePage(text);
  FUZZ_CHECK(guess == Ansi || guess == Oem || guess == Koi8);
  // Only the sample counts: what follows it changes nothing.
  const std::string_view sample = text.substr(0, codePageGuessSample);
  FUZZ_CHECK(GuessViewCodePage(sample) == guess);
  if (sample.size() == codePageGuessSample) {
    FUZZ_CHECK(GuessViewCodePage(std::string(sample) + std::string(codePageGuessSample, '\xE0')) == guess);
  }
  // Text without a byte above 0x7F has no Cyrillic letter to weigh.
  bool ascii = true;
  for (unsigned char b : sample) ascii = ascii && b < 0x80;
  FUZZ_CHECK(!ascii || guess == Ansi);
  return 0;
}
