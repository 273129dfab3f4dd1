// A path into System32 as a 32-bit program on a 64-bit Windows must give it
// to reach the file the user named; nothing else is touched.
#include <gtest/gtest.h>

#include "base/file_names.h"

TEST(FileNames, OnlyPathsIntoTheDivertedFolderGoThroughItsAlias) {
  const wchar_t *system = L"C:\\Windows\\system32", *native = L"C:\\Windows\\Sysnative";
  EXPECT_EQ(FileSystemPath(L"c:\\WINDOWS\\System32\\Привет.txt", system, native), L"C:\\Windows\\Sysnative\\Привет.txt");
  EXPECT_EQ(FileSystemPath(L"C:\\Windows\\System32", system, native), native);
  for (const wchar_t* kept : {L"C:\\Windows\\System32x\\a.txt", L"D:\\Windows\\System32\\a.txt", L"C:\\Windows"}) {
    EXPECT_EQ(FileSystemPath(kept, system, native), kept);
  }
  EXPECT_EQ(FileSystemPath(L"C:\\Windows\\System32\\a.txt", L"", L""), L"C:\\Windows\\System32\\a.txt");
}
