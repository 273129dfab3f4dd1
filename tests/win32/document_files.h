// Files for the document tests: a fresh directory per test and whole-file reads.
#pragma once
#include <windows.h>

#include <string>

#include "base/wide_strings.h"
#include "program_windows.h"

// A path the A calls here took, as the program's UTF-16 calls take it.
inline std::wstring Wide(const std::string& path) { return WideFromBytes(path, CP_ACP); }

class DocumentFiles : public ProgramWindows {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string PathOf(const std::string& name) const { return directory + name; }
  std::string MakeFile(const std::string& name, const std::string& bytes) const;
  static std::string FileBytes(const std::string& path);  // "<missing>" when it cannot be read
  int FileCount(const char* pattern) const;              // files of the test's directory
  static bool Modified();

  std::string directory;  // ends with a backslash
  int32_t savedLimit = 0;
};
