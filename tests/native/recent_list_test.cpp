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

// The list as "LIST" orders its slots, newest first; the caret of a listed file comes back when asked.
TEST(RecentList, NewFilesGoFirstAListedFileMovesToTheFrontAndAnEleventhTakesTheLeastRecentSlot) {
  FakeStore store;
  for (int n = 0; n < 3; ++n) EXPECT_TRUE(AddRecentFileTo(store, File(n), true).listChanged);
  EXPECT_EQ(store.strings["LIST"], "210");
  store.dwords["0FC"] = 42;
  EXPECT_EQ(AddRecentFileTo(store, File(0), true).caret, 42);
  EXPECT_EQ(store.strings["LIST"], "021");
  EXPECT_EQ(AddRecentFileTo(store, File(1), false).caret, -1);
  // The most recent file again writes nothing but still gives its caret.
  store.dwords["1FC"] = 7;
  const int writes = store.writes;
  const RecentFileAdded again = AddRecentFileTo(store, File(1), true);
  EXPECT_EQ(std::tuple(again.listChanged, again.caret), std::tuple(false, 7));
  EXPECT_EQ(store.writes, writes);
  for (int n = 3; n < 10; ++n) AddRecentFileTo(store, File(n), true);
  EXPECT_EQ(store.strings["LIST"], "9876543102");
  store.dwords["2FC"] = 99;
  AddRecentFileTo(store, File(10), true);
  EXPECT_EQ(store.strings["LIST"], "2987654310");
  EXPECT_EQ(std::tuple(store.strings["2F"], store.dwords["2FC"]), std::tuple(File(10), 0));
  // An emptied slot is reused first, its digit listed once.
  FreeRecentSlot(store, '5');
  AddRecentFileTo(store, File(11), true);
  EXPECT_EQ(store.strings["LIST"], "5298764310");
  EXPECT_EQ(store.strings["5F"], File(11));
}

// A damaged list is read as its distinct digits; long and short names in any case are one entry;
// other drives, network paths and names with a dollar stay out.
TEST(RecentList, DamagedListsNamesAndPlacesThatStayOut) {
  FakeStore damaged;
  damaged.strings = {{"LIST", "1x1"}, {"1F", File(1)}};
  char slot = 0;
  std::string path;
  ASSERT_TRUE(RecentEntry(damaged, 0, &slot, &path));
  EXPECT_EQ(std::string(1, slot) + path, "1" + File(1));
  EXPECT_FALSE(RecentEntry(damaged, 1, &slot, &path));
  AddRecentFileTo(damaged, File(2), true);
  EXPECT_EQ(damaged.strings["LIST"], "01");

  FakeStore store;
  AddRecentFileTo(store, "C:\\Program Files\\Notes.txt", true);
  AddRecentFileTo(store, File(1), true);
  store.dwords["0FC"] = 5;
  EXPECT_EQ(AddRecentFileTo(store, "c:\\PROGRA~1\\NOTES.TXT", true).caret, 5);
  EXPECT_EQ(store.strings["LIST"], "01");
  EXPECT_EQ(store.strings["0F"], "C:\\Program Files\\Notes.txt");
  RememberRecentCaret(store, "C:\\progra~1\\notes.TXT", 12);
  EXPECT_EQ(store.dwords["0FC"], 12);
  RememberRecentCaret(store, "C:\\elsewhere.txt", 13);
  EXPECT_FALSE(store.dwords.contains("2FC"));
  const int writes = store.writes;
  for (const char* path : {"A:\\floppy.txt", "\\\\server\\share\\net.txt", "C:\\hidden$\\x.txt", "C:\\x$.txt", ""}) {
    EXPECT_FALSE(AddRecentFileTo(store, path, true).listChanged) << path;
  }
  EXPECT_EQ(store.writes, writes);
}
