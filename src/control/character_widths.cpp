#include "control/character_widths.h"

#include <algorithm>

int CharacterWidths::Measured(char32_t c) const {
  if (c >= PlaneSize) {
    auto known = beyondPlane_.find(c);
    if (known != beyondPlane_.end()) return known->second;
    int width = 1;
    measure_(c, 1, &width);
    return beyondPlane_[c] = std::max(width, 1);
  }
  auto block = std::make_unique<Block>();
  block->fill(1);
  char32_t first = c - c % BlockSize;
  measure_(first, BlockSize, block->data());
  for (int& width : *block) width = std::max(width, 1);
  int width = (*block)[c % BlockSize];
  blocks_[c / BlockSize] = std::move(block);
  return width;
}
