// Command::PatchByte: one byte of any file on disk, changed by its offset without
// loading the file. The file is opened and closed again for every step, so
// nothing holds it while the dialog waits.
#pragma once
#include <windows.h>

#include <string>

constexpr int patchDialogResource = 2;
constexpr int patchOffsetField = 201;  // hexadecimal offset into the file
constexpr int patchByteField = 211;    // the byte there, or the new value typed
constexpr int patchWriteButton = 103;  // "ОК": writes the new value

extern std::wstring patchPath;  // the file being patched

// Asks for the file, then shows the patcher dialog for it.
void PatchByteCommand();

INT_PTR CALLBACK PatchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
