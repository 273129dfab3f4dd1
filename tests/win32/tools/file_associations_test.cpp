// The associations dialog (modeless, driven by messages) against the current
// user's registration in the session's private Wine prefix. This test program
// stands for zorn2.exe; Wine's HKEY_CLASSES_ROOT does not show per-user classes,
// so everything is read below HKEY_CURRENT_USER.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/globals.h"
#include "base/program_path.h"
#include "program_process.h"
#include "program_windows.h"
#include "tools/association_registry.h"
#include "tools/default_apps.h"
#include "tools/file_associations.h"

namespace {

const std::wstring classes = L"Software\\Classes\\";

// Every key and value below HKEY_CURRENT_USER\key, one per line: what a change left behind.
std::wstring Dump(const std::wstring& key) {
  HKEY handle;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return L"";
  std::wstring out = key + L"\n";
  wchar_t name[512], data[1024];
  for (DWORD i = 0, size = 512, bytes = sizeof data; RegEnumValueW(handle, i, name, &size, nullptr, nullptr,
       reinterpret_cast<BYTE*>(data), &bytes) == ERROR_SUCCESS; ++i, size = 512, bytes = sizeof data) {
    out += L"  " + std::wstring(name) + L"=" + std::wstring(data, bytes / 2) + L"\n";
  }
  for (DWORD i = 0, size = 512; !RegEnumKeyExW(handle, i, name, &size, nullptr, nullptr, nullptr, nullptr); size = 512) {
    out += Dump(key + L"\\" + name), ++i;
  }
  RegCloseKey(handle);
  return out;
}

std::wstring Registration() {
  return Dump(L"Software\\Classes") + Dump(L"Software\\Mirt\\Zorn2") + Dump(L"Software\\RegisteredApplications");
}

// The default value of a key below HKEY_CURRENT_USER, or "<none>".
std::wstring Read(const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t data[1024];
  DWORD size = sizeof data;
  return RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, nullptr, data, &size) == ERROR_SUCCESS
             ? std::wstring(data, size ? size / 2 - 1 : 0) : L"<none>";
}

int pagesAsked = 0;
bool AskedForPage() { return ++pagesAsked, true; }

class FileAssociations : public ProgramWindows {
 protected:
  void SetUp() override { openDefaultAppsPage = AskedForPage; }
  void TearDown() override {
    DestroyWindow(dialog);
    Register({}, self);
    registryWrites = {WriteRegistryEntry, RemoveRegistryEntry};
    openDefaultAppsPage = OpenDefaultAppsPage;
  }
  void Open() {
    DestroyWindow(dialog);
    dialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(associationsDialogResource), mainWindow,
                                AssociationsDialogProc, 0);
  }
  std::string Ticks() {
    std::string ticks;
    for (int box : boxes) ticks += IsDlgButtonChecked(dialog, box) ? '1' : '0';
    return ticks;
  }
  // Sets the boxes, presses OK and answers the message box that follows, if any; what it said.
  std::string Press(const std::string& ticks, int answer = IDYES) {
    for (int i = 0; i < 7; ++i) CheckDlgButton(dialog, boxes[i], ticks[i] == '1' ? BST_CHECKED : BST_UNCHECKED);
    std::string said;
    RunWithDialogs([&] { SendMessageW(dialog, WM_COMMAND, IDOK, 0); },
                   {[&](HWND box) {
                     said = WindowText(box) + ": " + WindowText(GetDlgItem(box, 0xFFFF));
                     PostMessageW(box, WM_COMMAND, answer, 0);
                   }});
    return said;
  }

  static constexpr int boxes[] = {1001, 1002, 1003, 1011, 1012, 1013, 1021};
  HWND dialog = nullptr;
  const std::wstring self = ProgramPath(), command = L"\"" + self + L"\" \"%1\"";
};

// Ticks write the per-user class with a quoted command and icon 0, "Open with"
// for each type, verbs of the program's own beside the system's, and the
// capabilities Default apps lists; the page is offered. Unticking takes back
// exactly that: the registration is as it was, the user's other entries kept.
TEST_F(FileAssociations, TicksRegisterForTheUserAndUntickingTakesBackExactlyWhatWasWritten) {
  // Another program's "Open with" entry and a system verb.
  WriteRegistryEntry({classes + L".txt\\OpenWithProgids", L"other.txt", L"", true});
  WriteRegistryEntry({classes + L"SystemFileAssociations\\.bat\\shell\\edit\\command", L"", L"notepad.exe %1"});
  const std::wstring before = Registration();
  Open();
  EXPECT_EQ(Ticks(), "0000000");
  pagesAsked = 0;
  EXPECT_NE(Press("1000011").find("Открыть «Приложения по умолчанию»"), std::string::npos);
  EXPECT_EQ(pagesAsked, 1);

  EXPECT_EQ(Read(classes + L"Zorn2.Text\\shell\\open\\command"), command);
  EXPECT_EQ(Read(classes + L"Zorn2.Text\\DefaultIcon"), L"\"" + self + L"\",0");
  for (const wchar_t* type : {L".txt", L".log", L".scp"}) {
    EXPECT_EQ(Read(classes + type + L"\\OpenWithProgids", L"Zorn2.Text"), L"") << type;
  }
  std::wstring capabilities = Read(L"Software\\RegisteredApplications", L"Zorn2");
  EXPECT_EQ(Read(capabilities + L"\\FileAssociations", L".txt"), L"Zorn2.Text");
  EXPECT_EQ(Read(classes + L"SystemFileAssociations\\.bat\\shell\\edit\\command"), L"notepad.exe %1");
  EXPECT_NE(Registration().find(L"=\"" + self + L"\" /p \"%1\""), std::wstring::npos);

  Open();
  EXPECT_EQ(Ticks(), "1000011");
  EXPECT_EQ(Press("0000011"), "") << "nothing added: no offer";
  Open();
  EXPECT_EQ(Ticks(), "0000011");
  Press("0000000");
  EXPECT_EQ(Registration(), before);
  EXPECT_EQ(pagesAsked, 1);
}

// A refused write is reported with its key, what this OK wrote is taken back,
// and the boxes show the registration as it is.
TEST_F(FileAssociations, RefusedWriteIsReportedAndLeavesNothingHalfWritten) {
  const std::wstring before = Registration();
  registryWrites.write = [](const RegistryEntry& entry) {
    return entry.key.find(L"OpenWithProgids") == std::wstring::npos ? WriteRegistryEntry(entry) : ERROR_ACCESS_DENIED;
  };
  Open();
  std::string said = Press("1000000", IDOK);
  EXPECT_NE(said.find(".txt\\OpenWithProgids"), std::string::npos) << said;
  EXPECT_EQ(Ticks(), "0000000");
  EXPECT_EQ(Registration(), before);
}

// The registered command, run as the shell runs it on a name with a blank,
// opens that file in zorn2.exe; Wine has no Default apps page, and asking for
// it shows the user nothing.
TEST_F(FileAssociations, RegisteredCommandOpensAFileNamedWithABlank) {
  wchar_t program[MAX_PATH];
  GetFullPathNameW(L"" ZORN2_EXE, MAX_PATH, program, nullptr);
  ASSERT_EQ(Register({AssociationBox::OpenText}, program).status, ERROR_SUCCESS);
  std::wstring line = Read(classes + L"Zorn2.Text\\shell\\open\\command");
  Register({}, program);
  char temp[MAX_PATH];
  std::string file = std::string(temp, GetTempPathA(sizeof temp, temp)) + "a b.txt";
  CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  std::string commandLine(line.begin(), line.end());
  commandLine.replace(commandLine.find("%1"), 2, file);
  ProgramProcess opened(commandLine);
  ASSERT_NE(opened.WaitForMainWindow(), nullptr) << commandLine;
  EXPECT_EQ(WindowText(opened.mainWindow), "[a b.txt]-ZORN2");
  EXPECT_EQ(opened.WaitForExit(true), 0u);

  EXPECT_EQ(RunWithDialogs([] { EXPECT_FALSE(OpenDefaultAppsPage()); }, {[](HWND box) { EndDialog(box, IDOK); }}), 0);
}

}  // namespace
