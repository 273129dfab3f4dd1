// The =XX decoder and the line-break repair on any bytes.
#include <string>

#include "codepages/equals_escapes.h"
#include "codepages/line_breaks.h"
#include "fuzz/fuzz_support.h"

namespace {

// `text` without the line feeds that directly follow a carriage return.
std::string WithoutPairedFeeds(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\n' && i > 0 && text[i - 1] == '\r')) out += text[i];
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // Each escape turns three bytes into one; anything else is copied.
  const std::string decoded = DecodeEqualsEscapes(text);
  FUZZ_CHECK(decoded.size() <= text.size() && (text.size() - decoded.size()) % 2 == 0);
  FUZZ_CHECK(text.find('=') != std::string_view::npos || decoded == text);
  // Every byte written as an escape comes back.
  std::string escaped;
  static const char digits[] = "0123456789ABCDEF";
  for (unsigned char b : text) escaped += {'=', digits[b >> 4], digits[b & 15]};
  FUZZ_CHECK(DecodeEqualsEscapes(escaped) == text);

  // The repair adds line feeds after lone carriage returns and nothing else; no lone one is left.
  const std::string repaired = RepairLineBreaks(text);
  for (std::size_t i = 0; i < repaired.size(); ++i) {
    FUZZ_CHECK(repaired[i] != '\r' || (i + 1 < repaired.size() && repaired[i + 1] == '\n'));
  }
  FUZZ_CHECK(WithoutPairedFeeds(repaired) == WithoutPairedFeeds(text));
  FUZZ_CHECK(RepairLineBreaks(repaired) == repaired);
  return 0;
}
