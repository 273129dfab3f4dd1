// Stream in and out through the transfer callback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editor/engine/document_engine.h"
#include "engine_test_support.h"

using namespace std::string_literals;

namespace {

// Hands over at most `chunk` bytes a call; can fail after `failAfter` calls.
struct Source {
  std::string bytes;
  std::size_t chunk = 1 << 20;
  std::size_t readPos = 0;
  int calls = 0;
  int failAfter = -1;
  std::int32_t overReport = 0;
};

std::uint32_t Read(std::uintptr_t cookie, unsigned char* buffer, std::int32_t size, std::int32_t* transferred) {
  auto* source = reinterpret_cast<Source*>(cookie);
  if (source->calls++ == source->failAfter) return 77;
  std::size_t n = std::min({static_cast<std::size_t>(size), source->chunk, source->bytes.size() - source->readPos});
  std::memcpy(buffer, source->bytes.data() + source->readPos, n);
  source->readPos += n;
  *transferred = static_cast<std::int32_t>(n) + (n > 0 ? source->overReport : 0);
  return 0;
}

// Takes at most `chunk` bytes a call.
struct Sink {
  std::string bytes;
  std::size_t chunk = 1 << 20;
  std::vector<std::int32_t> offered;
};

std::uint32_t Write(std::uintptr_t cookie, unsigned char* buffer, std::int32_t size, std::int32_t* transferred) {
  auto* sink = reinterpret_cast<Sink*>(cookie);
  sink->offered.push_back(size);
  std::size_t n = std::min(static_cast<std::size_t>(size), sink->chunk);
  sink->bytes.append(reinterpret_cast<char*>(buffer), n);
  *transferred = static_cast<std::int32_t>(n);
  return 0;
}

Position StreamIn(DocumentEngine& engine, Source& source, std::uint32_t format, std::uint32_t* error = nullptr) {
  EngineStream stream{reinterpret_cast<std::uintptr_t>(&source), 0, Read};
  Position read = engine.StreamIn(stream, format);
  if (error != nullptr) *error = stream.error;
  return read;
}

}  // namespace

// Every chunk size puts a chunk edge between every CR and its LF somewhere.
TEST(EngineStream, InInChunksOfEverySize) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line\r\n\r\rx\n\0\xE9"s.substr(0, static_cast<std::size_t>(1 + i % 11));
  DocumentEngine reference;
  reference.SetTextLimit(MaxTextLength);
  reference.SetText(text);
  for (std::size_t chunk = 1; chunk <= text.size() + 1; ++chunk) {
    DocumentEngine engine;
    engine.SetTextLimit(MaxTextLength);
    Source source{text, chunk};
    std::uint32_t error = 1;
    ASSERT_EQ(StreamIn(engine, source, StreamText, &error), static_cast<Position>(text.size()));
    ASSERT_EQ(error, 0u);
    ASSERT_EQ(engine.GetText(), text) << chunk;
    ASSERT_EQ(LineStarts(engine), LineStarts(reference)) << chunk;
    ASSERT_TRUE(engine.GetModified());
    ASSERT_EQ(engine.GetSelection(), (PositionRange{0, 0}));
  }
}

TEST(EngineStream, SelectionStreamReplacesOnlyTheSelectionAsOneUndoStepAndRtfBecomesText) {
  DocumentEngine engine;
  engine.SetText("left|old|right");
  engine.SetSelection(5, 8);
  Source source{"new\r\ntext", 2};
  EXPECT_EQ(StreamIn(engine, source, StreamText | StreamSelection), 9);
  EXPECT_EQ(engine.GetText(), "left|new\r\ntext|right");
  EXPECT_EQ(engine.GetSelection(), (PositionRange{14, 14}));
  EXPECT_EQ(engine.GetLineCount(), 2);
  EXPECT_TRUE(engine.Undo());
  EXPECT_EQ(engine.GetText(), "left|old|right");
  // RTF becomes plain text, in the selection or as the whole text.
  engine.SetSelection(5, 5);
  Source rtf{"{\\rtf1 abc}", 4};
  StreamIn(engine, rtf, StreamRtf | StreamSelection);
  EXPECT_EQ(engine.GetText(), "left|abcold|right");
  Source whole{"{\\rtf1 xyz}"};
  StreamIn(engine, whole, StreamRtf);
  EXPECT_EQ(engine.GetText(), "xyz");
}

TEST(EngineStream, FailuresLeaveTheDocumentAsItWas) {
  DocumentEngine engine;
  engine.SetText("keep me");
  engine.SetModified(false);
  std::uint32_t error = 0;

  Source failing{std::string(100, 'a'), 10};
  failing.failAfter = 3;
  EXPECT_EQ(StreamIn(engine, failing, StreamText, &error), 30);
  EXPECT_EQ(error, 77u);

  Source lying{"abc", 10};
  lying.overReport = 1 << 20;  // claims more than it was offered
  StreamIn(engine, lying, StreamText | StreamSelection, &error);
  EXPECT_EQ(error, StreamErrorBadCount);

  engine.SetTextLimit(10);
  Source large{std::string(11, 'b'), 4};
  StreamIn(engine, large, StreamText, &error);
  EXPECT_EQ(error, StreamErrorTooLong);
  engine.SetSelection(0, 4);  // "keep" gives room for 4 + 3
  Source paste{"1234567!", 3};
  StreamIn(engine, paste, StreamText | StreamSelection, &error);
  EXPECT_EQ(error, StreamErrorTooLong);

  Source rtf{"{\\rtf1 x}"};
  StreamIn(engine, rtf, StreamText | StreamRtf, &error);
  EXPECT_EQ(error, StreamErrorFormat);
  EngineStream none;
  EXPECT_EQ(engine.StreamIn(none, StreamText), 0);
  EXPECT_EQ(none.error, StreamErrorFormat);

  EXPECT_EQ(engine.GetText(), "keep me");
  EXPECT_FALSE(engine.GetModified());

  Source fits{"1234567", 3};
  StreamIn(engine, fits, StreamText | StreamSelection, &error);
  EXPECT_EQ(error, 0u);
  EXPECT_EQ(engine.GetText(), "1234567 me");
}

TEST(EngineStream, OutInChunksWholeTextOrSelection) {
  std::string text = "zero\0one\r\ntwo"s + std::string(200000, 'x');
  DocumentEngine engine;
  engine.SetTextLimit(MaxTextLength);
  engine.SetText(text);

  Sink sink;
  sink.chunk = 7;  // takes a part of what it is offered: the rest is offered again
  EngineStream stream{reinterpret_cast<std::uintptr_t>(&sink), 0, Write};
  EXPECT_EQ(engine.StreamOut(stream, StreamText), static_cast<Position>(text.size()));
  EXPECT_EQ(stream.error, 0u);
  EXPECT_EQ(sink.bytes, text);

  engine.SetSelection(2, 12);
  Sink selection;
  EngineStream part{reinterpret_cast<std::uintptr_t>(&selection), 0, Write};
  EXPECT_EQ(engine.StreamOut(part, StreamText | StreamSelection), 10);
  EXPECT_EQ(selection.bytes, text.substr(2, 10));

  Sink refusing;
  refusing.chunk = 0;
  EngineStream stuck{reinterpret_cast<std::uintptr_t>(&refusing), 0, Write};
  EXPECT_EQ(engine.StreamOut(stuck, StreamText), 0);
  EXPECT_EQ(stuck.error, StreamErrorNoProgress);
  EXPECT_EQ(refusing.offered.size(), 1u);
}
