// The program's own clipboard format: the copied bytes exactly as they stand
// (a zero byte and stray UTF-8 bytes too) with the view code page they were
// copied in. A paste into a view of the same code page, in any window of the
// program, takes them before the text formats, which other programs read;
// a paste into another view reads the text.
#pragma once
#include <string>
#include <string_view>

#include "codepages/code_pages.h"

// Offers `bytes` copied in `view` on the clipboard the caller has opened and
// emptied; false when the block cannot be had.
bool OfferOwnBytes(std::string_view bytes, CodePage view);

// The bytes on the clipboard when they were copied in `view`; false when it
// holds none of that view (or a block too short for what it claims).
bool ReadOwnBytes(CodePage view, std::string& bytes);
