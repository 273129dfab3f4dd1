// Another running instance that shows a given file.
#pragma once
#include <windows.h>

// True when another instance shows the file `path`; its window has then been
// brought to the front. Paths are compared in their short lower-case form, so
// long and short names in any mix of case match; a path that has no short
// form (no such file) matches nothing.
bool FindRunningInstance(const char* path);

// The text a marker window carries for `path`: its short form in lower case.
// False when the path has no short form.
bool MarkerTextFor(const char* path, char (&text)[MAX_PATH]);
