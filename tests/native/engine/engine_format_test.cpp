// Character formats of ranges, and the blocks behind the text.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/block_pool.h"
#include "engine/document_engine.h"
#include "engine_test_support.h"

// A range reports its colour or that it is mixed (the faces and the mask: the Wine control's formats test).
TEST(EngineFormat, ARangeReportsItsColourOrThatItIsMixed) {
  DocumentEngine engine;
  // How colours move with edits is the random programs' part (engine_program.h).
  engine.SetText("a<b>c<d");
  engine.SetTextFormat(Coloured(1), FormatColour);
  engine.SetRangeFormat({1, 4}, Coloured(2), FormatColour);
  const FormatQuery mixed = engine.GetRangeFormat({0, 5});
  EXPECT_EQ(mixed.uniform, FormatEvery & ~std::uint32_t{FormatColour});
  EXPECT_EQ(mixed.format.colour, 1u);
  EXPECT_EQ(engine.GetRangeFormat({4, 4}).format.colour, 2u);  // a caret: the byte before it
  EXPECT_EQ(engine.GetColourRun(99).end, 7);
}

// The blocks behind the text: past the first separate ones, blocks come from slabs and are distinct
// (the byte patterns see any overlap); a returned block is reused before a new slab is taken, and a
// slab whose blocks all come back goes back to the system.
TEST(EngineBlockPool, SlabsHandOutDistinctBlocksAndReturnWhenEmpty) {
  BlockPool pool(true);
  std::vector<unsigned char*> blocks;
  for (std::uint32_t i = 0; i < BlockPool::SingleBlocks + 2 * BlockPool::BlocksPerSlab; ++i) {
    blocks.push_back(pool.Allocate());
    std::memset(blocks.back(), static_cast<int>(i & 0xFF), BlockPool::BlockSize);
  }
  EXPECT_EQ(pool.BytesReserved(), 2 * BlockPool::SlabSize);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const auto byte = static_cast<unsigned char>(i & 0xFF);
    ASSERT_TRUE(blocks[i][0] == byte && blocks[i][BlockPool::BlockSize - 1] == byte) << i;
  }
  const std::size_t first = BlockPool::SingleBlocks, second = first + BlockPool::BlocksPerSlab;
  pool.Free(blocks[first]);
  ASSERT_EQ(pool.Allocate(), blocks[first]) << "the current slab is full: the returned block comes back";
  for (std::size_t i = second; i < blocks.size(); ++i) pool.Free(blocks[i]);
  EXPECT_EQ(pool.BytesReserved(), BlockPool::SlabSize) << "the second slab, no longer current, is returned";
  for (std::size_t i = 0; i < second; ++i) pool.Free(blocks[i]);
}
