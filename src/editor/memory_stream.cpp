#include "editor/memory_stream.h"

#include <richedit.h>

#include "editor/editor_control.h"

namespace {

DWORD CALLBACK TakeChunk(DWORD_PTR cookie, BYTE* chunk, LONG size, LONG* taken) {
  auto* stream = reinterpret_cast<MemoryStream*>(cookie);
  LONG room = stream->capacity - stream->length;
  *taken = size < room ? size : room;
  CopyMemory(stream->buffer + stream->length, chunk, *taken);
  stream->length += *taken;
  return *taken == size ? 0 : 1;
}

DWORD CALLBACK GiveChunk(DWORD_PTR cookie, BYTE* chunk, LONG requested, LONG* given) {
  auto* stream = reinterpret_cast<MemoryStream*>(cookie);
  LONG left = stream->length - stream->readPos;
  *given = requested < left ? requested : left;
  CopyMemory(chunk, stream->buffer + stream->readPos, *given);
  stream->readPos += *given;
  return 0;
}

}  // namespace

bool StreamOutToMemory(MemoryStream* stream) {
  EDITSTREAM transfer{reinterpret_cast<DWORD_PTR>(stream), 0, TakeChunk};
  SendMessageA(editorWindow, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&transfer));
  return transfer.dwError == 0;
}

DWORD StreamInFromMemory(MemoryStream* stream, WPARAM format) {
  stream->readPos = 0;
  EDITSTREAM transfer{reinterpret_cast<DWORD_PTR>(stream), 0, GiveChunk};
  SendMessageA(editorWindow, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&transfer));
  return transfer.dwError;
}
