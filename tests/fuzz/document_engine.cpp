// The document engine under programs of edits, undo, colours, finds and streams.
#include "native/engine_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RunEngineProgram(data, size);
  return 0;
}
