// Writing the editor's whole text to a file without risking the file already there.
#pragma once
#include <string>

// What a failed write left beside the file.
struct KeptCopy {
  std::wstring path;     // empty: nothing kept
  bool oldText = false;  // it holds the file's old bytes, not the new text
};

// Mostly the text goes to a new file beside `path` first; only when all of it
// was written does that file take the place of the old one (which keeps its
// attributes and security). A file that a new one would not fully replace
// (save_route.h) is written through, its old bytes copied beside it until the
// write is done. Where no file can be made beside it, or the old file cannot
// be replaced because another program holds it, the file is written in place.
// False with the last error set when anything failed; `kept` then names the
// file beside that holds the whole new text or the old one when the file may
// be damaged or gone, and is empty when the file is as it was or nothing
// could be made beside it.
bool WriteDocumentFile(const std::wstring& path, KeptCopy& kept);
