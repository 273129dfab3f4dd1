#include <benchmark/benchmark.h>

#include "codepages/unicode_maps.h"

// Reverse lookups are a linear scan; this shows what one costs.
static void BM_UnicodeToByte(benchmark::State& state) {
  char32_t c = 0x0410;
  for (auto _ : state) {
    benchmark::DoNotOptimize(UnicodeToByte(Koi8, c));
    c = c == 0x044F ? 0x0410 : c + 1;
  }
}
BENCHMARK(BM_UnicodeToByte);
