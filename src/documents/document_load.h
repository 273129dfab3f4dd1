// Loading a file into the editor.
#pragma once
#include <string>

// How a file that cannot be opened at all is answered: silently where the
// program tries a remembered or given name (start-up, a recent file), with
// the reason where the user has just chosen the file (Open, a drop).
enum class OpenFailure { Silent, Reported };

// Replaces the whole text with the file's bytes and makes it the current
// document. False when the file cannot be opened (an empty path included);
// false after an error box when it is too large or cannot be read.
bool LoadDocument(const std::wstring& path, OpenFailure openFailure = OpenFailure::Silent);
