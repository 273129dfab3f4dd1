#include "documents/recent_list.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <tuple>

namespace {

// Settings in memory; drive C: is fixed, and "c:\progra~1\..." is the short name of "c:\program files\...".
struct FakeStore final : RecentFilesStore {
  std::map<std::string, std::string> strings;
  std::map<std::string, int32_t> dwords;
  int writes = 0;

  std::string ReadString(const std::string& name) override { return strings.contains(name) ? strings[name] : ""; }
  int32_t ReadDword(const std::string& name, int32_t fallback) override {
    return dwords.contains(name) ? dwords[name] : fallback;
  }
  void WriteString(const std::string& name, const std::string& text) override { strings[name] = text, ++writes; }
  void WriteDword(const std::string& name, int32_t value) override { dwords[name] = value, ++writes; }
  std::string ComparisonForm(const std::string& path) override {
    std::string lower;
    for (char c : path) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string longDir = "c:\\program files\\";
    return lower.starts_with(longDir) ? "c:\\progra~1\\" + lower.substr(longDir.size()) : lower;
  }
  bool OnFixedDrive(const std::string& path) override { return !path.empty() && (path[0] == 'C' || path[0] == 'c'); }
};

std::string File(int n) { return "C:\\texts\\file" + std::to_string(n) + ".txt"; }

}  // namespace

// "LIST" orders the slots, newest first; long and short names in any case are one entry whose caret comes
// back; an eleventh file takes the least recent slot, an emptied one is reused first; other drives, network
// paths and names with a dollar stay out. (Damaged lists: the Wine recent-files tests.)
TEST(RecentList, NewestFirstOneEntryPerFileAndPlacesThatStayOut) {
  FakeStore store;
  AddRecentFileTo(store, "C:\\Program Files\\Notes.txt", true);
  for (int n = 1; n < 10; ++n) AddRecentFileTo(store, File(n), true);
  RememberRecentCaret(store, "C:\\progra~1\\notes.TXT", 12);
  EXPECT_EQ(AddRecentFileTo(store, "c:\\PROGRA~1\\NOTES.TXT", true).caret, 12);
  EXPECT_EQ(store.strings["LIST"] + " " + store.strings["0F"], "0987654321 C:\\Program Files\\Notes.txt");
  int writes = store.writes;
  const RecentFileAdded again = AddRecentFileTo(store, "C:\\Program Files\\Notes.txt", true);
  EXPECT_EQ(std::tuple(again.listChanged, again.caret, store.writes), std::tuple(false, 12, writes)) << "already first";
  store.dwords["1FC"] = 99;
  AddRecentFileTo(store, File(10), true);
  EXPECT_EQ(std::tuple(store.strings["LIST"], store.strings["1F"], store.dwords["1FC"]),
            std::tuple("1098765432", File(10), 0));
  FreeRecentSlot(store, '5');
  AddRecentFileTo(store, File(11), true);
  EXPECT_EQ(std::tuple(store.strings["LIST"], store.strings["5F"]), std::tuple("5109876432", File(11)));
  writes = store.writes;
  RememberRecentCaret(store, "C:\\elsewhere.txt", 13);
  for (const char* path : {"A:\\floppy.txt", "\\\\server\\share\\net.txt", "C:\\hidden$\\x.txt", "C:\\x$.txt", ""}) {
    EXPECT_FALSE(AddRecentFileTo(store, path, true).listChanged) << path;
  }
  EXPECT_EQ(store.writes, writes);
}
