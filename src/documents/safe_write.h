// Writing the editor's whole text to a file without risking the file already there.
#pragma once

// The text goes to a new file beside `path` first; only when all of it was
// written does that file take the place of the old one (which keeps its
// attributes and security). Where no file can be created beside it, the file is
// written in place. False with the last error set when anything failed; the old
// file is then as it was, except after a failed write in place.
bool WriteDocumentFile(const char* path);
