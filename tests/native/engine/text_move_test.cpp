// A block moved by one span replacement ends up as cutting it out and
// inserting it at the target would leave it, for every block and target.
#include <gtest/gtest.h>

#include <string>

#include "engine/text_move.h"

TEST(TextMove, OneSpanReplacementEqualsCutAndInsert) {
  const std::string text = "abcdefg";
  auto n = static_cast<Position>(text.size());
  for (Position start = 0; start <= n; ++start) {
    for (Position end = start; end <= n; ++end) {
      for (Position target = 0; target <= n; ++target) {
        TextMove move;
        bool moves = PlanTextMove({start, end}, target, move);
        ASSERT_EQ(moves, target < start || target > end) << start << end << target;
        if (!moves) continue;
        std::string block = text.substr(start, end - start);
        std::string expected = text;
        expected.erase(start, end - start);
        expected.insert(target > end ? target - (end - start) : target, block);
        auto spanLength = static_cast<std::size_t>(move.span.end - move.span.start);
        std::string actual = text;
        actual.replace(move.span.start, spanLength, MovedSpan(text.substr(move.span.start, spanLength), move));
        EXPECT_EQ(actual, expected) << start << end << target;
        EXPECT_EQ(actual.substr(move.landed.start, move.landed.end - move.landed.start), block);
      }
    }
  }
}
