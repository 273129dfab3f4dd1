// The engine's model (engine_program.h) on seeded random programs: half of the
// bytes from a small alphabet of line breaks, Cyrillic letters of both cases,
// Yo and 0, so that lines, case-blind finds and CR LF pairs abound.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "native/engine_program.h"

TEST(EngineModel, RandomProgramsAgreeWithAPlainString) {
  static const std::uint8_t alphabet[] = {'\r', '\n', '\r', 'a', 'A', ' ', '.', 0, 0xC0, 0xE0, 0xA8, 0xB8, '1'};
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> program(500 + random() % 4000);
    for (auto& b : program) b = random() % 2 ? static_cast<std::uint8_t>(random()) : alphabet[random() % sizeof alphabet];
    const std::string context = "(program of seed " + std::to_string(seed) + ")";
    fuzzFailureContext = context.c_str();
    RunEngineProgram(program.data(), program.size());
  }
  fuzzFailureContext = "";
}
