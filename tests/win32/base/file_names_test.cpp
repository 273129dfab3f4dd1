// A path into System32 as a 32-bit program on a 64-bit Windows must give it
// to reach the file the user named.
#include <gtest/gtest.h>

#include "base/file_names.h"

namespace {

TEST(FileNames, OnlyPathsIntoTheDivertedFolderGoThroughItsAlias) {
  const std::wstring system = L"C:\\Windows\\system32", native = L"C:\\Windows\\Sysnative";
  const struct { std::wstring path, reached; } rows[] = {
      {L"C:\\WINDOWS\\System32\\drivers\\etc\\hosts", L"C:\\Windows\\Sysnative\\drivers\\etc\\hosts"},
      {L"c:\\windows\\system32\\Привет.txt", L"C:\\Windows\\Sysnative\\Привет.txt"},
      {L"C:\\Windows\\System32", L"C:\\Windows\\Sysnative"},
      {L"C:\\Windows\\System32x\\a.txt", L"C:\\Windows\\System32x\\a.txt"},
      {L"C:\\Windows\\SysWOW64\\a.txt", L"C:\\Windows\\SysWOW64\\a.txt"},
      {L"D:\\Windows\\System32\\a.txt", L"D:\\Windows\\System32\\a.txt"},
      {L"C:\\Windows", L"C:\\Windows"}};
  for (const auto& row : rows) {
    EXPECT_TRUE(FileSystemPath(row.path, system, native) == row.reached) << row.path.size();
    EXPECT_TRUE(FileSystemPath(row.path, L"", L"") == row.path) << "nothing is diverted in a 64-bit process";
  }
}

}  // namespace
