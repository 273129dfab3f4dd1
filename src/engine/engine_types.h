// Plain types of the document engine's interface. Every numeric value that
// has a rich-edit counterpart equals it, so the window layer passes message
// parameters through unchanged.
#pragma once
#include <cstdint>
#include <limits>

// A position counts bytes from the start of the text; CR LF counts two. Signed
// 32 bits like the control's LONG positions: a text never exceeds
// MaxTextLength bytes, so every position, length and line number fits, and -1
// is free to mean "none" or "to the end".
using Position = std::int32_t;

// The largest text the engine holds (just under 2 GB): one position beyond the
// end must still be representable.
inline constexpr Position MaxTextLength = std::numeric_limits<Position>::max() - 1;

// Text limit of a new engine, and the limit that a requested limit of 0 means.
inline constexpr Position InitialTextLimit = 32767;
inline constexpr Position ZeroTextLimit = 65536;

// A selection or range: start <= end once normalised. As a request, (0, -1)
// means everything and an end of -1 means the end of the text.
struct PositionRange {
  Position start = 0;
  Position end = 0;
  bool operator==(const PositionRange&) const = default;
};

// What GetSelectionType reports (SEL_EMPTY, SEL_TEXT, SEL_MULTICHAR).
enum SelectionType : std::uint32_t {
  SelectionEmpty = 0,
  SelectionText = 0x1,
  SelectionMultiChar = 0x4,
};

// Options of Find (FR_WHOLEWORD, FR_MATCHCASE, and a bit of our own that rich edit leaves
// unused); other bits are ignored. FindBytes: the pattern is bytes, not text (a hex pattern);
// in the UTF-8 view it is found at any byte, inside or across characters, and never folds.
enum FindOptions : std::uint32_t {
  FindWholeWord = 0x2,
  FindMatchCase = 0x4,
  FindBytes = 0x10000,
};

// Directions of FindWordBreak (WB_MOVEWORDLEFT, WB_MOVEWORDRIGHT).
enum class WordMove : std::uint32_t { Left = 4, Right = 5 };

// How a replacement is remembered by the engine's own single-level undo:
// Separate is one undoable step; Typing joins a step that continues the
// previous Typing step at its end (a typed word undoes at once); None makes
// the change impossible to undo and forgets the previous step.
enum class UndoAction { Separate, Typing, None };

// Format word of StreamIn and StreamOut (SF_TEXT, SF_RTF, SFF_SELECTION).
enum StreamFormat : std::uint32_t {
  StreamText = 0x1,
  StreamRtf = 0x2,
  StreamSelection = 0x8000,
};

// The transfer callback, shaped like EDITSTREAMCALLBACK. Stream in: write up to
// `size` bytes at `buffer` and store their count in *transferred; a count of 0
// ends the stream. Stream out: take up to `size` bytes from `buffer` and store
// how many were taken. A nonzero return stops the transfer and becomes the
// stream's error.
using StreamCallback = std::uint32_t (*)(std::uintptr_t cookie, unsigned char* buffer, std::int32_t size,
                                         std::int32_t* transferred);

// Shaped like EDITSTREAM: the caller fills cookie and callback; the engine sets
// error (0 on success).
struct EngineStream {
  std::uintptr_t cookie = 0;
  std::uint32_t error = 0;
  StreamCallback callback = nullptr;
};

// Errors the engine itself reports in EngineStream::error. They are chosen far
// from small callback codes.
enum StreamError : std::uint32_t {
  StreamErrorNone = 0,
  StreamErrorTooLong = 0xE0000001,     // the text would exceed the text limit; nothing changed
  StreamErrorBadCount = 0xE0000002,    // the callback reported a count outside 0..size
  StreamErrorNoProgress = 0xE0000003,  // stream out: the callback took no byte
  StreamErrorFormat = 0xE0000004,      // no callback, or a format the direction does not support
};
