// Inserting a file's bytes at the selection.
#pragma once
#include <string>

// Replaces the selection (or inserts at the caret) with the file's bytes as one
// undoable step; name, title and view stay as they are. A file that cannot be
// opened or is larger than the text limit changes nothing, and the error box
// says why; so does one the editor has no memory for.
void InsertFile(const std::wstring& path);
