// The full path of the running program, whatever its length.
#pragma once
#include <string>

// Empty when the system cannot say it: a cut path would name another file.
std::wstring ProgramPath();
