// Functions of newer Windows versions, taken from the system at run time: the
// program still starts where one is missing (older Windows, or Wine, which
// leaves some out).
#pragma once
#include <windows.h>

// The function `name` of the loaded system module `module`, or null.
template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
  HMODULE loaded = GetModuleHandleW(module);
  FARPROC found = loaded ? GetProcAddress(loaded, name) : nullptr;
  // Through the one function type that converts to any other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
