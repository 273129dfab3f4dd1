// Widths of the characters above U+007F in the UTF-8 view, measured in the
// font when first met: a text uses few of the million code points, and a
// measurement asks the device. Code points of the first plane are measured
// a block of 128 at a time, so a script costs a few measurements at most.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class CharacterWidths {
 public:
  // Writes the advance of `count` characters from `first` on to `widths`.
  using Measure = std::function<void(char32_t first, std::size_t count, int* widths)>;
  static constexpr std::size_t BlockSize = 128;

  explicit CharacterWidths(Measure measure) : measure_(std::move(measure)) {}

  // The advance of `c`, at least 1.
  int Of(char32_t c) const {
    if (c < PlaneSize) {
      const auto& block = blocks_[c / BlockSize];
      if (block) return (*block)[c % BlockSize];
    }
    return Measured(c);
  }

 private:
  static constexpr char32_t PlaneSize = 0x10000;
  using Block = std::array<int, BlockSize>;

  int Measured(char32_t c) const;

  Measure measure_;
  mutable std::vector<std::unique_ptr<Block>> blocks_ = std::vector<std::unique_ptr<Block>>(PlaneSize / BlockSize);
  mutable std::unordered_map<char32_t, int> beyondPlane_;
};
