// DocumentEngine: stream in and stream out through a transfer callback.
#include <algorithm>
#include <vector>

#include "codepages/buffer_size.h"
#include "engine/document_engine.h"
#include "engine/engine_state.h"
#include "engine/rtf_reader.h"

namespace {

constexpr Position StreamChunk = 65536;

bool CheckCount(EngineStream& stream, std::int32_t transferred, Position offered) {
  if (transferred >= 0 && transferred <= offered) return true;
  stream.error = StreamErrorBadCount;
  return false;
}

// Reads the rest of the stream into `bytes`, at most `most` bytes. False on an
// error, which is then in stream.error.
bool ReadAll(EngineStream& stream, std::string& bytes, std::size_t most, Position& read) {
  for (;;) {
    std::size_t old = bytes.size();
    bytes.resize(BufferSize(old, 1, StreamChunk, bytes.max_size()));
    std::int32_t got = 0;
    std::uint32_t error =
        stream.callback(stream.cookie, reinterpret_cast<unsigned char*>(bytes.data() + old), StreamChunk, &got);
    if (error != 0) {
      stream.error = error;
      return false;
    }
    if (!CheckCount(stream, got, StreamChunk)) return false;
    bytes.resize(old + static_cast<std::size_t>(got));
    if (bytes.size() > most) {
      stream.error = StreamErrorTooLong;
      return false;
    }
    read += got;
    if (got == 0) return true;
  }
}

// A whole plain text is built beside the old one, which stays until the new
// one is complete; blocks are filled in place and lines found as they come.
Position ReadWholeText(EngineState& s, EngineStream& stream) {
  TextStorage text;
  LineIndex lines;
  Position read = 0;
  for (;;) {
    Position room = 0;
    unsigned char* space = text.AppendSpace(room);
    std::int32_t got = 0;
    std::uint32_t error = stream.callback(stream.cookie, space, room, &got);
    if (error != 0) {
      stream.error = error;
      return read;
    }
    if (!CheckCount(stream, got, room)) return read;
    if (got == 0) break;
    if (!s.Fits(s.Length(), static_cast<std::size_t>(text.Length()) + static_cast<std::size_t>(got))) {
      stream.error = StreamErrorTooLong;
      return read;
    }
    text.CommitAppend(got);
    lines.Appended(space, got, read);
    read += got;
  }
  lines.FinishAppending();
  s.Adopt(std::move(text), std::move(lines));
  return read;
}

}  // namespace

Position DocumentEngine::StreamIn(EngineStream& stream, std::uint32_t format) {
  EngineState& s = *state_;
  stream.error = StreamErrorNone;
  std::uint32_t kind = format & (StreamText | StreamRtf);
  if (stream.callback == nullptr || (kind != StreamText && kind != StreamRtf)) {
    stream.error = StreamErrorFormat;
    return 0;
  }
  bool selection = (format & StreamSelection) != 0;
  if (kind == StreamText && !selection) return ReadWholeText(s, stream);
  Position read = 0;
  PositionRange target = selection ? s.Selection() : PositionRange{0, s.Length()};
  Position removed = target.end - target.start;
  // Plain text over the limit is refused while it streams; RTF only once it
  // is turned into text.
  std::int64_t room = std::max<std::int64_t>(removed, std::int64_t{s.limit} - (s.Length() - removed));
  auto most = static_cast<std::size_t>(kind == StreamText ? room : MaxTextLength);
  std::string bytes;
  if (!ReadAll(stream, bytes, most, read)) return read;
  if (kind == StreamRtf) bytes = RtfToText(bytes, s.codePage);
  bool done = selection ? ReplaceSelection(bytes) : SetText(bytes);
  if (!done) stream.error = StreamErrorTooLong;
  return read;
}

Position DocumentEngine::StreamOut(EngineStream& stream, std::uint32_t format) const {
  const EngineState& s = *state_;
  stream.error = StreamErrorNone;
  if (stream.callback == nullptr || (format & (StreamText | StreamRtf)) != StreamText) {
    stream.error = StreamErrorFormat;
    return 0;
  }
  PositionRange range = (format & StreamSelection) ? s.Selection() : PositionRange{0, s.Length()};
  // The callback gets a copy, so it can never touch the document.
  std::vector<unsigned char> chunk(static_cast<std::size_t>(std::min(StreamChunk, range.end - range.start)));
  Position written = 0;
  for (Position position = range.start; position < range.end;) {
    Position size = std::min(StreamChunk, range.end - position);
    s.text.CopyOut(position, position + size, chunk.data());
    for (Position offset = 0; offset < size;) {
      std::int32_t taken = 0;
      std::uint32_t error = stream.callback(stream.cookie, chunk.data() + offset, size - offset, &taken);
      if (error != 0) {
        stream.error = error;
        return written;
      }
      if (!CheckCount(stream, taken, size - offset)) return written;
      if (taken == 0) {
        stream.error = StreamErrorNoProgress;
        return written;
      }
      offset += taken;
      written += taken;
    }
    position += size;
  }
  return written;
}
