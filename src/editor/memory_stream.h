// Whole texts and selections between the editor and a heap block.
#pragma once
#include <windows.h>

#include <cstdint>

struct MemoryStream {
  int32_t readPos;   // next byte handed to the editor when streaming in
  int32_t length;    // bytes written so far (out), bytes available (in)
  BYTE* buffer;      // owned by the caller
  int32_t capacity;  // size of `buffer`: streaming out never writes past it
};

// Appends the editor's text (SF_TEXT) at `buffer + length`. The caller sizes
// the buffer for the text length plus 2 and sets `length` to 0. False when the
// text did not fit; the buffer then holds what did.
bool StreamOutToMemory(MemoryStream* stream);

// Hands the editor bytes `readPos`..`length` with the given format word
// (SF_TEXT for the whole text, SF_RTF, SFF_SELECTION | SF_TEXT for the
// selection). The stream's error: 0 when the bytes went in; otherwise the
// text is unchanged (ERROR_NOT_ENOUGH_MEMORY when the editor ran out).
DWORD StreamInFromMemory(MemoryStream* stream, WPARAM format);
