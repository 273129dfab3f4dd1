// Running sums over a sequence of block sizes: point change, prefix sum, the
// block a running total falls into, and appending, each in O(log n). The
// engine's block lists use it to find a block by position or by index.
#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

template <class T>
class FenwickTree {
 public:
  // Rebuilds from `count` values, valueOf(i) giving the i-th; O(count).
  template <class ValueOf>
  void Build(std::size_t count, ValueOf valueOf) {
    tree_.assign(count + 1, T{});
    for (std::size_t i = 1; i <= count; ++i) tree_[i] += valueOf(i - 1);
    for (std::size_t i = 1; i <= count; ++i) {
      std::size_t parent = i + LowBit(i);
      if (parent <= count) tree_[parent] += tree_[i];
    }
  }

  // Room for `count` values, so that building up to that many allocates nothing.
  // Grows by doubling, so that reserving before every edit stays cheap.
  void Reserve(std::size_t count) {
    if (count + 1 > tree_.capacity()) tree_.reserve(std::max(count + 1, 2 * tree_.capacity()));
  }

  std::size_t Size() const { return tree_.empty() ? 0 : tree_.size() - 1; }

  void Add(std::size_t index, T delta) {
    for (std::size_t i = index + 1; i < tree_.size(); i += LowBit(i)) tree_[i] += delta;
  }

  // Sum of the first `count` values.
  T Prefix(std::size_t count) const {
    T sum{};
    for (std::size_t i = count; i > 0; i -= LowBit(i)) sum += tree_[i];
    return sum;
  }

  // The largest count whose prefix sum is at most `target` (values must not be
  // negative). With positive sizes, that count is the index of the block
  // holding offset `target`.
  std::size_t CountWithin(T target) const {
    std::size_t count = 0;
    std::size_t step = 1;
    while (step * 2 <= Size()) step *= 2;
    for (; step > 0; step /= 2) {
      std::size_t next = count + step;
      if (next <= Size() && tree_[next] <= target) {
        count = next;
        target -= tree_[next];
      }
    }
    return count;
  }

  void PushBack(T value) {
    if (tree_.empty()) tree_.push_back(T{});
    std::size_t i = tree_.size();
    // Node i covers the values (i - lowbit(i), i]: the new one and the tail before it.
    tree_.push_back(value + Prefix(i - 1) - Prefix(i - LowBit(i)));
  }

 private:
  static std::size_t LowBit(std::size_t i) { return i & (~i + 1); }

  std::vector<T> tree_;  // 1-based; tree_[0] unused
};
