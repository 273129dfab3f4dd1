// Inserting a file's bytes at the selection.
#pragma once

// Replaces the selection (or inserts at the caret) with the file's bytes as one
// undoable step. Nothing happens, silently, when the file cannot be opened or
// is larger than the text limit; name, title and view stay as they are.
void InsertFile(const char* path);
