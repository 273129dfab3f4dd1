// The commands that rewrite the document's bytes: recoding, transliteration,
// RTF to plain text, equals-sign escapes, line-break repair and alignment. All
// run in one frame that takes the selection (or the whole text), records one
// undo step, writes the result back in one piece and keeps the view still.
#pragma once
#include <cstdint>

#include "base/commands.h"
#include "codepages/recoding_routes.h"

// `fromTable` and `toTable` are the recoding tables of ChooseConversion and the
// menu's recodings RecodeToAnsi to Fido (NoTable for the others). A whole-text
// recoding from the menu also
// switches the view to the target code page. An empty text changes nothing;
// so does a command without the memory it needs, which the error box reports.
void TransformText(Command command, int32_t fromTable, int32_t toTable);

// A recoding with UTF-8 on one side or both: ChooseConversion (the view stays) or
// ChordUtf8 (a whole text takes the view along to `target`). From UTF-8 a character the
// target lacks becomes its look-alike or '?', and a box tells how many did; bytes that
// are not UTF-8 stay as they are. Into UTF-8 a byte that means no character in `source`
// becomes U+FFFD, and a box tells how many did.
void RecodeWithUtf8(Command command, CodePage source, CodePage target);

// The recoding of Command::RecodeToAnsi to Fido.
RecodingCommand MenuRecoding(Command command);

// Command::RecodeToAnsi to Fido from the menu: recoding from the view code page; in
// the UTF-8 view, Fido keeps the text UTF-8 and changes only Н and р.
void RecodeFromView(Command command);
