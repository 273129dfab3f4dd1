// The backward search. The control finds forwards only, and the program's
// answer backwards is defined as a bisection over forward finds; the same
// answers come from a scan backwards from the limit, which reads only the text
// between the limit and the match instead of the whole text.
#pragma once
#include <cstdint>
#include <string_view>

#include "editor/editor_operations.h"

// The bisection itself: the last occurrence of `pattern` before `limit` as
// repeated forward finds see it. A pattern that overlaps itself can give an
// occurrence that reaches past the limit or starts at or after it ("aa" in
// "aaaa" with limit 2 gives 2). -1 when no occurrence ends at or before the limit.
Position BisectBackward(const EditorOperations& editor, Position limit, std::string_view pattern,
                        std::uint32_t options);

// The same answer, from the control's backward scan. Only where an occurrence
// straddles the limit less than two pattern lengths after the last one before
// it, the one case whose answer depends on the bisection's path, does it run
// the bisection.
Position FindBackward(const EditorOperations& editor, Position limit, std::string_view pattern,
                      std::uint32_t options);
