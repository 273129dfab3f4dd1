// How a save reaches the file already there: a new file in its place, or the
// text written into the file itself.
#pragma once

#include <string>

// A new file taking the old one's place keeps the old one's attributes and,
// with the right to set them, its permissions. It would split a file with
// several names from the others, turn a link into a plain file beside the
// file it led to, or give the file the folder's permissions; such a file is
// written through instead.
enum class SaveRoute { NewFile, WriteThrough };
SaveRoute ChooseSaveRoute(const std::wstring& path);

// Whether this user may set the permissions of the file at `path` (WRITE_DAC),
// which a new file in its place must carry over.
using PermissionCheck = bool (*)(const std::wstring& path);
extern PermissionCheck mayCarryPermissions;
