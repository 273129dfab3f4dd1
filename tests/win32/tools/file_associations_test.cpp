// The associations dialog (modeless, driven by messages) against HKEY_CLASSES_ROOT
// of the session's private Wine prefix. This test program stands for zorn2.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>

#include "base/globals.h"
#include "program_windows.h"
#include "tools/file_associations.h"

namespace {

using enum AssociationVerb;

// A key's default value as stored, whatever its type; empty when there is none.
std::string Read(const char* className, AssociationVerb verb) {
  char data[1024];
  DWORD size = sizeof data;
  LONG status = RegGetValueA(HKEY_CLASSES_ROOT, AssociationKey(className, verb).c_str(), nullptr,
                             RRF_RT_ANY | RRF_NOEXPAND, nullptr, data, &size);
  return status == ERROR_SUCCESS ? std::string(data, size) : "";
}

void Write(const char* className, AssociationVerb verb, const std::string& data, DWORD type = REG_SZ) {
  std::string key = AssociationKey(className, verb);
  RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
  HKEY handle;
  if (data.empty() || RegCreateKeyA(HKEY_CLASSES_ROOT, key.c_str(), &handle) != ERROR_SUCCESS) return;
  RegSetValueExA(handle, nullptr, 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
  RegCloseKey(handle);
}

class FileAssociations : public ProgramWindows {
 protected:
  void TearDown() override { DestroyWindow(dialog); }
  // Opens the dialog; true when the box shows the association as the program's own (checked and greyed).
  bool Own(int box) {
    DestroyWindow(dialog);
    dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(associationsDialogResource), mainWindow,
                                AssociationsDialogProc, 0);
    HWND check = GetDlgItem(dialog, box);
    bool checked = SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
    EXPECT_EQ(checked, !IsWindowEnabled(check)) << box;
    return checked;
  }
  void CheckAndPress(int box, int button) {
    SendDlgItemMessageA(dialog, box, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog, WM_COMMAND, button, 0);
  }

  HWND dialog = nullptr;
  char path[MAX_PATH];
  const std::string self{path, GetModuleFileNameA(nullptr, path, sizeof path)};
  const std::string quoted = '"' + self + "\" %1", icon = self + ",1";
};

// The text-file box for each stored command and icon; Cancel writes nothing, OK
// with the box checked writes both where the box was not the program's own.
TEST_F(FileAssociations, OpenBoxIsOwnOnlyWhenCommandAndIconBothAreAndOkWritesBothOtherwise) {
  std::string upper = CharUpperA((self + " %1").data());
  const struct { std::string open; DWORD type; std::string icon; bool own; } cases[] = {
      {"", REG_SZ, "", false}, {quoted + '\0', REG_SZ, icon + '\0', true}, {upper + '\0', REG_SZ, icon + '\0', true},
      {self + " %1" + '\0', REG_SZ, icon + '\0', true},  // unquoted, as earlier versions wrote
      {self + " %1", REG_SZ, icon + '\0', true},  // stored without its zero
      {quoted + '\0', REG_SZ, "notepad.exe,0", false},  // icon changed by another program
      {"notepad.exe %1", REG_SZ, icon + '\0', false}, {std::string("\1\0\0\0", 4), REG_DWORD, icon + '\0', false},
  };
  for (const auto& c : cases) {
    Write("txtfile", Open, c.open, c.type);
    Write("txtfile", Icon, c.icon);
    const std::string before = Read("txtfile", Open) + "|" + Read("txtfile", Icon);
    EXPECT_EQ(Own(1001), c.own) << c.open;
    CheckAndPress(1001, IDCANCEL);
    EXPECT_EQ(Read("txtfile", Open) + "|" + Read("txtfile", Icon), before) << c.open;
    Own(1001);
    CheckAndPress(1001, IDOK);
    EXPECT_EQ(Read("txtfile", Open) + "|" + Read("txtfile", Icon), c.own ? before : quoted + '\0' + "|" + icon + '\0') << c.open;
  }
  // The edit and print boxes: unchecked, OK writes nothing; checked, their commands.
  for (auto [box, className, verb, written] : {std::tuple(1011, "batfile", Edit, quoted),
                                               std::tuple(1021, "txtfile", Print, '"' + self + "\" /p %1")}) {
    Write(className, verb, "");
    EXPECT_FALSE(Own(box));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(Own(box));
    CheckAndPress(box, IDOK);
    EXPECT_EQ(Read(className, verb), written + '\0');
    EXPECT_TRUE(Own(box));
  }
}

}  // namespace
