// The texts the Find/Replace dialog exchanges with the document: the word at
// the caret shown in Windows-1251, and typed text stored in the view code page.
#pragma once
#include <string>
#include <string_view>

#include "codepages/code_pages.h"
#include "editor/editor_operations.h"

// The word at the selection start, at most 32 characters of it (never a part of one), without
// blanks, line breaks or other control bytes, converted from the view code page
// into Windows-1251. Empty when there is none.
std::string WordAtCaret(const EditorOperations& editor, CodePage viewCodePage);

// Typed Windows-1251 text in the bytes of the view code page (UTF-8 included).
std::string AnsiTextToView(std::string_view text, CodePage viewCodePage);
