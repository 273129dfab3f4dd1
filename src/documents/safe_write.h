// Writing the editor's whole text to a file without risking the file already there.
#pragma once
#include <windows.h>

// The text goes to a new file beside `path` first; only when all of it was
// written does that file take the place of the old one (which keeps its
// attributes and security). Where no file can be created beside it, or the old
// file cannot be replaced because another program holds it, the file is
// written in place. False with the last error set when anything failed. Then
// `keptCopy` names the file beside that holds the whole text when the old file
// may be damaged or gone; it is empty when the old file is as it was, or when
// no file could be made beside it before a failed write in place.
bool WriteDocumentFile(const char* path, char (&keptCopy)[MAX_PATH]);
