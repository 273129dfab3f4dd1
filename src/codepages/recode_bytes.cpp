// Recoding a buffer: the passes are folded into one 256-byte map first, so a
// buffer of any size is read and written once.
#include <array>

#include "codepages/code_pages.h"

namespace {

using ByteMap = std::array<unsigned char, 256>;

unsigned char FidoSubstitute(unsigned char b) {
  if (b == 0x8D) return 'H';  // DOS-866 capital En
  if (b == 0xE0) return 'p';  // DOS-866 small er
  return b;
}

// What the passes make of each byte, in their order; each reads the previous one's output.
ByteMap ComposeRoute(int fromTable, int toTable) {
  ByteMap map;
  for (int b = 0; b < 256; ++b) {
    unsigned char c = ConvertByte(fromTable, static_cast<unsigned char>(b));
    if (toTable >= OemToAnsi && toTable <= IsoToOem) c = ConvertByte(toTable, c);
    if (toTable == FidoTarget) c = FidoSubstitute(c);
    map[b] = c;
  }
  return map;
}

bool IsIdentity(const ByteMap& map) {
  for (int b = 0; b < 256; ++b) {
    if (map[b] != b) return false;
  }
  return true;
}

}  // namespace

void RecodeBytes(unsigned char* buffer, std::size_t length, int fromTable, int toTable) {
  const ByteMap map = ComposeRoute(fromTable, toTable);
  if (IsIdentity(map)) return;
  for (std::size_t i = 0; i < length; ++i) buffer[i] = map[buffer[i]];
}
