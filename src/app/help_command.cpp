#include "app/help_command.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "base/globals.h"
#include "base/program_path.h"
#include "base/ui_texts.h"

namespace {

// A file beside the program, by its path relative to the program's folder; empty when it is not there.
std::wstring FileBesideProgram(const wchar_t* relative) {
  std::wstring path = ProgramPath();
  std::size_t folder = path.rfind(L'\\');
  if (folder == std::wstring::npos) return {};
  path.replace(folder + 1, std::wstring::npos, relative);
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ? path : std::wstring();
}

// The help file is named after the window class.
bool ShowHelpFile() {
  return !FileBesideProgram(L"ZORN2.HLP").empty() && WinHelpW(mainWindow, L"ZORN2", HELP_INDEX, 0);
}

// The user's guide the packages install beside the program, in the default browser.
bool ShowGuide() {
  std::wstring guide = FileBesideProgram(L"help\\zorn2.html");
  return !guide.empty() &&
         reinterpret_cast<INT_PTR>(ShellExecuteW(mainWindow, L"open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

}  // namespace

void ShowHelp() {
  if (ShowHelpFile() || ShowGuide()) return;
  MessageBoxW(mainWindow, helpText, programCaption, MB_OK | MB_ICONINFORMATION);
}
