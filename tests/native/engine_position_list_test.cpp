#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "editor/engine/position_list.h"

// Small blocks so that a few hundred entries split, join and cross blocks
// all the time; every call is checked against a sorted vector.
TEST(EnginePositionList, RandomOperationsMatchSortedVector) {
  using List = PositionList<int, 16>;
  std::mt19937 random(11);
  List list(1);
  std::vector<List::Entry> model;
  Position span = 1;
  auto pick = [&](Position below) { return static_cast<Position>(random() % static_cast<unsigned>(below)); };

  for (int step = 0; step < 4000; ++step) {
    switch (random() % 5) {
      case 0: {  // grow at the end and append
        Position grow = 1 + pick(50);
        list.Grow(grow);
        span += grow;
        Position next = model.empty() ? 0 : model.back().position + 1;
        if (next < span) {
          Position where = next + pick(span - next);
          list.PushBack(where, step);
          model.push_back({where, step});
        }
        break;
      }
      case 1: {  // erase a range
        Position from = pick(span);
        Position to = from + pick(40);
        list.Erase(from, to);
        std::erase_if(model, [&](const List::Entry& e) { return e.position >= from && e.position < to; });
        break;
      }
      case 2:
      case 3: {  // an edit: remove (at, at + removed], then shift
        Position at = pick(span);
        Position removed = std::min(pick(60), span - 1 - at);
        Position inserted = pick(60);
        list.Erase(at + 1, at + removed + 1);
        std::erase_if(model, [&](const List::Entry& e) { return e.position > at && e.position <= at + removed; });
        list.Adjust(at, removed, inserted);
        for (auto& e : model) {
          if (e.position > at) e.position += inserted - removed;
        }
        span += inserted - removed;
        break;
      }
      default: {  // a batch into one gap
        std::size_t gap = random() % (model.size() + 1);
        Position low = gap == 0 ? 0 : model[gap - 1].position + 1;
        Position high = gap == model.size() ? span : model[gap].position;
        std::vector<List::Entry> batch;
        for (Position p = low; p < high; p += 1 + pick(3)) {
          if (random() % 2) batch.push_back({p, step});
        }
        list.InsertSorted(batch.data(), batch.size());
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(gap), batch.begin(), batch.end());
        break;
      }
    }
    ASSERT_EQ(list.Span(), span);
    ASSERT_EQ(list.Count(), static_cast<Position>(model.size()));
    for (std::size_t i = 0; i < model.size(); ++i) {
      List::Entry e = list.At(static_cast<Position>(i));
      ASSERT_EQ(e.position, model[i].position) << "step " << step << " index " << i;
      ASSERT_EQ(e.value, model[i].value);
    }
    Position probe = pick(span + 1);
    auto before = std::count_if(model.begin(), model.end(), [&](const List::Entry& e) { return e.position < probe; });
    ASSERT_EQ(list.CountBefore(probe), before);
  }
}
