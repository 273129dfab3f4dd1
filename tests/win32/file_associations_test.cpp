// The associations dialog against HKEY_CLASSES_ROOT of the test's Wine prefix;
// every value a test touches is put back as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "program_windows.h"
#include "tools/file_associations.h"

namespace {

// The keys the dialog writes, with the box that writes each.
const struct {
  int box;
  const char* className;
  AssociationVerb verb;
} keys[] = {
    {1001, "txtfile", AssociationVerb::Open}, {1001, "txtfile", AssociationVerb::Icon},
    {1002, "inifile", AssociationVerb::Open}, {1002, "inifile", AssociationVerb::Icon},
    {1003, "inffile", AssociationVerb::Open}, {1003, "inffile", AssociationVerb::Icon},
    {1011, "batfile", AssociationVerb::Edit}, {1012, "cmdfile", AssociationVerb::Edit},
    {1013, "regfile", AssociationVerb::Edit}, {1021, "txtfile", AssociationVerb::Print},
};

// A key's default value: "<none>" when the key or the value is missing.
struct Stored {
  DWORD type = REG_SZ;
  std::string data = "<none>";
  bool operator==(const Stored&) const = default;
};

std::string KeyOf(const char* className, AssociationVerb verb) { return AssociationKey(className, verb); }

Stored Read(const std::string& key) {
  Stored stored;
  HKEY handle;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return stored;
  char data[1024];
  DWORD size = sizeof data;
  if (RegQueryValueExA(handle, nullptr, nullptr, &stored.type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS)
    stored.data.assign(data, size);
  RegCloseKey(handle);
  return stored;
}

void Write(const std::string& key, const Stored& stored) {
  if (stored.data == "<none>") {
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    return;
  }
  HKEY handle;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(handle, nullptr, 0, stored.type, reinterpret_cast<const BYTE*>(stored.data.data()),
                 static_cast<DWORD>(stored.data.size()));
  RegCloseKey(handle);
}

Stored Sz(const std::string& text) { return {REG_SZ, text + '\0'}; }

class FileAssociations : public ProgramWindows {
 protected:
  void SetUp() override {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    self = path;
    for (const auto& k : keys) saved.push_back(Read(KeyOf(k.className, k.verb)));
  }
  void TearDown() override {
    CloseDialog();
    for (size_t i = 0; i < saved.size(); ++i) Write(KeyOf(keys[i].className, keys[i].verb), saved[i]);
  }
  void OpenDialog() {
    CloseDialog();
    dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(associationsDialogResource), mainWindow,
                                AssociationsDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
  }
  void CloseDialog() {
    if (dialog) DestroyWindow(dialog);
    dialog = nullptr;
  }
  void ClearAll() {
    for (const auto& k : keys) Write(KeyOf(k.className, k.verb), {});
  }
  // Checked and greyed: the program's own already.
  bool Own(int box) const {
    HWND check = GetDlgItem(dialog, box);
    bool checked = SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
    EXPECT_EQ(checked, !IsWindowEnabled(check)) << box;
    return checked;
  }
  void Press(int button) { SendMessageA(dialog, WM_COMMAND, button, 0); }
  void CheckAll() {
    for (const auto& k : keys) SendDlgItemMessageA(dialog, k.box, BM_SETCHECK, BST_CHECKED, 0);
  }
  std::vector<Stored> All() const {
    std::vector<Stored> all;
    for (const auto& k : keys) all.push_back(Read(KeyOf(k.className, k.verb)));
    return all;
  }

  std::string self;  // this test program stands for zorn2.exe
  std::vector<Stored> saved;
  HWND dialog = nullptr;
};

// What the text-file box shows for the stored open command and icon, and what
// OK with the box checked leaves there.
TEST_F(FileAssociations, OpenBoxIsOwnOnlyWhenCommandAndIconBothAreAndOkWritesBothOtherwise) {
  const std::string openKey = KeyOf("txtfile", AssociationVerb::Open);
  const std::string iconKey = KeyOf("txtfile", AssociationVerb::Icon);
  const Stored quoted = Sz("\"" + self + "\" %1"), unquoted = Sz(self + " %1"), icon = Sz(self + ",1");
  std::string upper = self + " %1";
  CharUpperA(upper.data());
  const Stored shouting = Sz(upper);
  const Stored other = Sz("notepad.exe %1"), otherIcon = Sz("notepad.exe,0");
  const Stored unterminated{REG_SZ, self + " %1"};
  const Stored number{REG_DWORD, std::string("\1\0\0\0", 4)};
  const struct {
    const char* what;
    Stored open, icon;
    bool own;
  } cases[] = {
      {"nothing stored", {}, {}, false},
      {"quoted command", quoted, icon, true},
      {"unquoted command of earlier versions", unquoted, icon, true},
      {"other case", shouting, icon, true},
      {"stored without its zero", unterminated, icon, true},
      {"icon changed by another program", quoted, otherIcon, false},
      {"another program opens", other, icon, false},
      {"no icon", unquoted, {}, false},
      {"a number, not a text", number, icon, false},
  };
  for (const auto& c : cases) {
    Write(openKey, c.open);
    Write(iconKey, c.icon);
    const Stored openBefore = Read(openKey), iconBefore = Read(iconKey);
    OpenDialog();
    EXPECT_EQ(Own(1001), c.own) << c.what;
    SendDlgItemMessageA(dialog, 1001, BM_SETCHECK, BST_CHECKED, 0);
    Press(IDOK);
    EXPECT_EQ(Read(openKey), c.own ? openBefore : quoted) << c.what;
    EXPECT_EQ(Read(iconKey), c.own ? iconBefore : icon) << c.what;
  }
}

TEST_F(FileAssociations, CancelAndUncheckedBoxesWriteNothingAndOkWritesEveryCheckedOne) {
  ClearAll();
  const std::vector<Stored> empty = All();
  OpenDialog();
  CheckAll();
  Press(IDCANCEL);
  EXPECT_EQ(All(), empty);
  OpenDialog();
  Press(IDOK);
  EXPECT_EQ(All(), empty);

  OpenDialog();
  for (const auto& k : keys) EXPECT_FALSE(Own(k.box)) << k.box;
  CheckAll();
  Press(IDOK);
  EXPECT_EQ(Read(KeyOf("batfile", AssociationVerb::Edit)), Sz("\"" + self + "\" %1"));
  EXPECT_EQ(Read(KeyOf("txtfile", AssociationVerb::Print)), Sz("\"" + self + "\" /p %1"));
  EXPECT_EQ(Read(KeyOf("inffile", AssociationVerb::Icon)), Sz(self + ",1"));
  OpenDialog();
  for (const auto& k : keys) EXPECT_TRUE(Own(k.box)) << k.box;
}

}  // namespace
