// The commands that rewrite the document's bytes: recoding, transliteration,
// RTF to plain text, equals-sign escapes, line-break repair and alignment. All
// run in one frame that takes the selection (or the whole text), records one
// undo step, writes the result back in one piece and keeps the view still.
#pragma once
#include <cstdint>

constexpr int translitCommand = 33;
constexpr int rtfToTextCommand = 34;
constexpr int equalsEscapesCommand = 35;
constexpr int lineBreakCommand = 36;

// `fromTable` and `toTable` are the recoding tables of commands 27 and 29-32
// (NoTable for the others). A whole-text recoding by commands 29-32 also
// switches the view to the target code page. An empty text changes nothing;
// so does a command without the memory it needs, which the error box reports.
void TransformText(int command, int32_t fromTable, int32_t toTable);

// Commands 29-32 from the menu: recoding from the view code page.
void RecodeFromView(int command);
