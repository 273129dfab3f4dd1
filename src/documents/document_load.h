// Loading a file into the editor.
#pragma once

// Replaces the whole text with the file's bytes and makes it the current
// document. False, silently, when the file cannot be opened (an empty path
// included); false after an error box when it is too large or cannot be read.
bool LoadDocument(const char* path);
