// Converting UTF-8 that arrives in chunks of any size: a sequence cut at the end of one chunk
// is carried and finished with the start of the next, so chunk edges change nothing.
#pragma once
#include <cstddef>
#include <cstring>
#include <string_view>

#include "codepages/utf8.h"

// Copies the ASCII run at `in` to `out`; returns where it ends.
inline const unsigned char* CopyAsciiRun(const unsigned char* in, const unsigned char* end, char*& out) {
  const std::size_t ascii = AsciiRunLength(in, static_cast<std::size_t>(end - in));
  std::memcpy(out, in, ascii);
  out += ascii;
  return in + ascii;
}

// The walk that `Derived` shares: ASCII is copied, a byte that starts no valid character is
// kept as it is, and each other character goes to `Derived::WriteCharacter(at, sequence, out)`,
// which writes it in no more bytes than it has. `Derived::TakeRun(in, end, out)` may convert
// characters in bulk; it moves `in` past them and says whether the walk starts over from there.
template <typename Derived>
class Utf8ChunkConverter {
 public:
  // The most bytes Convert writes for a chunk of `chunkSize` bytes: the chunk and the few carried into it.
  static constexpr std::size_t MaxOutput(std::size_t chunkSize) { return chunkSize + maxUtf8Length - 1; }

  // Writes `chunk` converted to `out`, which holds MaxOutput(chunk.size()) bytes; returns how many.
  std::size_t Convert(std::string_view chunk, char* out) {
    const auto* in = reinterpret_cast<const unsigned char*>(chunk.data());
    const auto* end = in + chunk.size();
    char* o = out;
    in = Resume(in, end, o);
    while (in < end) {
      in = CopyAsciiRun(in, end, o);
      if (static_cast<Derived*>(this)->TakeRun(in, end, o)) continue;
      if (in < end) in = Step(in, end, o);
    }
    return static_cast<std::size_t>(o - out);
  }

  // Writes what is still carried (the bytes of a sequence the text's end cut short, at most
  // maxUtf8Length - 1) as they are; returns how many.
  std::size_t Finish(char* out) {
    char* o = out;
    for (std::size_t i = 0; i < carriedLength_; ++i) Write(carried_ + i, {Utf8Status::Invalid, 1, 0}, o);
    carriedLength_ = 0;
    return static_cast<std::size_t>(o - out);
  }

  std::size_t InvalidBytes() const { return invalidBytes_; }  // bytes that are not UTF-8, kept

 private:
  void Write(const unsigned char* at, Utf8Sequence sequence, char*& out) {
    if (sequence.status == Utf8Status::Valid) return static_cast<Derived*>(this)->WriteCharacter(at, sequence, out);
    *out++ = static_cast<char>(*at);
    ++invalidBytes_;
  }

  // Adds the chunk's first bytes to a carried sequence until it is whole or proves invalid;
  // returns where the rest of the chunk starts.
  const unsigned char* Resume(const unsigned char* in, const unsigned char* end, char*& out) {
    while (carriedLength_ > 0 && in < end) {
      carried_[carriedLength_++] = *in++;
      const Utf8Sequence sequence = DecodeUtf8(carried_, carriedLength_);
      if (sequence.status == Utf8Status::Cut) continue;
      if (sequence.status == Utf8Status::Valid) {
        Write(carried_, sequence, out);
      } else {
        // A valid start followed by a byte that does not continue it: the start's bytes are
        // kept one by one, as in a single chunk, and the byte is read again as a start.
        --in;
        for (std::size_t i = 0; i + 1 < carriedLength_; ++i) Write(carried_ + i, sequence, out);
      }
      carriedLength_ = 0;
    }
    return in;
  }

  // The sequence at `in` (before `end`): one the chunk's end cuts short is carried; returns
  // where the next one starts.
  const unsigned char* Step(const unsigned char* in, const unsigned char* end, char*& out) {
    const Utf8Sequence sequence = DecodeUtf8(in, static_cast<std::size_t>(end - in));
    if (sequence.status == Utf8Status::Cut) {
      std::memcpy(carried_, in, sequence.length);
      carriedLength_ = sequence.length;
      return end;
    }
    Write(in, sequence, out);
    return in + sequence.length;
  }

  unsigned char carried_[maxUtf8Length] = {};
  std::size_t carriedLength_ = 0;
  std::size_t invalidBytes_ = 0;
};
