// What the fuzz targets share: a check that stops the run with its reason, and
// a reader that decodes an input's bytes into the choices of a target.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// Unlike assert, stays on in every build type; libFuzzer saves the input that stopped it.
#define FUZZ_CHECK(condition) ((condition) ? void(0) : FuzzFailure(#condition, __FILE__, __LINE__))

// What a run outside libFuzzer names to reproduce a failure (its seed, say).
inline const char* fuzzFailureContext = "";

[[noreturn]] inline void FuzzFailure(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s %s\n", file, line, condition, fuzzFailureContext);
  std::abort();
}

// Takes choices off the front of the input; an exhausted input reads as zeros.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  bool Empty() const { return rest_.empty(); }
  std::uint8_t Byte() { return rest_.empty() ? 0 : static_cast<std::uint8_t>(Take(1).front()); }
  // Up to `most` bytes, as many as the next byte says.
  std::string_view Bytes(std::size_t most) { return Take(Byte() % (most + 1)); }
  std::string_view Take(std::size_t count) {
    std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(taken.size());
    return taken;
  }
  std::string_view Rest() { return Take(rest_.size()); }

 private:
  std::string_view rest_;
};
