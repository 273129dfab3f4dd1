// Another running instance that shows a given file.
#pragma once
#include <windows.h>

#include <string>

// What a second start asks of the instance that shows its file (the dwData of
// its WM_COPYDATA, whose data is the marker text in UTF-16, zero included).
enum class InstanceRequest : ULONG_PTR { Show = 0x5A4E0001, Print = 0x5A4E0002 };

// True when another instance of this user's elevation shows the file `path`
// and took `request`: it has come to the front (and prints, when asked).
// Paths are compared in their short lower-case form, so long and short names
// in any mix of case match; a path that has no short form (no such file)
// matches nothing.
bool FindRunningInstance(const std::wstring& path, InstanceRequest request = InstanceRequest::Show);

// The main window's answer to a second start's WM_COPYDATA: TRUE when the
// request names this instance's document and was carried out.
LRESULT AnswerInstanceRequest(const COPYDATASTRUCT& request);

// Whether the process `processId` runs with this one's elevation: a window of
// an administrator's process and one of the user's are different programs.
using ElevationCheck = bool (*)(DWORD processId);
extern ElevationCheck sameElevation;
