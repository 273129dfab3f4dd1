// The texts the Find/Replace dialog exchanges with the document: the word at
// the caret shown as the user reads it, and typed text stored in the view code
// page. Both are UTF-8 here; the dialog hands them to Windows as UTF-16.
#pragma once
#include <string>
#include <string_view>

#include "codepages/code_pages.h"
#include "editor/editor_operations.h"

// The word at the selection start, at most 32 characters of it (never a part of one), without
// blanks, line breaks or other control bytes, read through the view code page,
// in UTF-8. Empty when there is none.
std::string WordAtCaret(const EditorOperations& editor, CodePage viewCodePage);

// Typed text (UTF-8) in the bytes of the view code page: a character the page
// lacks as its look-alike or '?'. At most `capacity` bytes, never a part of a
// UTF-8 character.
std::string TypedTextToView(std::string_view text, CodePage viewCodePage, std::size_t capacity);
