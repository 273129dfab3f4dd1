#include "base/running_instance.h"

#include <string>

#include "base/commands.h"
#include "base/file_names.h"
#include "base/globals.h"
#include "base/ui_texts.h"

namespace {

constexpr DWORD queryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
constexpr auto tokenElevation = static_cast<TOKEN_INFORMATION_CLASS>(20);

// 1 elevated, 0 not, -1 unknown (a system without elevation, or a process this one may not ask).
int ElevationOf(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return -1;
  DWORD elevated = 0, size = 0;
  bool known = GetTokenInformation(token, tokenElevation, &elevated, sizeof elevated, &size) != FALSE;
  CloseHandle(token);
  return known ? elevated != 0 : -1;
}

bool SameElevationAsThis(DWORD processId) {
  int own = ElevationOf(GetCurrentProcess());
  if (own < 0) return true;  // no elevation on this system
  HANDLE other = OpenProcess(queryLimitedInformation, FALSE, processId);
  if (!other) return false;
  int theirs = ElevationOf(other);
  CloseHandle(other);
  return theirs == own;
}

struct InstanceSearch {
  const std::wstring& markerText;
  InstanceRequest request;
  bool found;
};

// The window is let come to the front (only the process in front may allow
// that) and then asked; one that does not answer is passed over.
bool Ask(HWND window, DWORD processId, const InstanceSearch& search) {
  AllowSetForegroundWindow(processId);
  COPYDATASTRUCT data{static_cast<ULONG_PTR>(search.request),
                      static_cast<DWORD>((search.markerText.size() + 1) * sizeof(wchar_t)),
                      const_cast<wchar_t*>(search.markerText.c_str())};
  DWORD_PTR answer = FALSE;
  return SendMessageTimeoutW(window, WM_COPYDATA, reinterpret_cast<WPARAM>(mainWindow),
                             reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &answer) &&
         answer == TRUE;
}

BOOL CALLBACK OfferWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<InstanceSearch*>(param);
  if (window == mainWindow) return TRUE;
  wchar_t className[33] = {};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  if (lstrcmpW(className, mainClassNameWide) != 0) return TRUE;
  if (!FindWindowExW(window, nullptr, markerClassName, search->markerText.c_str())) return TRUE;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (!sameElevation(processId) || !Ask(window, processId, *search)) return TRUE;
  search->found = true;
  return FALSE;
}

}  // namespace

ElevationCheck sameElevation = SameElevationAsThis;

bool FindRunningInstance(const std::wstring& path, InstanceRequest request) {
  // Without a short form there is no file; an empty text would match the marker
  // of every instance that shows no document yet.
  const std::wstring markerText = ComparisonForm(path);
  if (markerText.empty()) return false;
  InstanceSearch search{markerText, request, false};
  EnumWindows(OfferWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

LRESULT AnswerInstanceRequest(const COPYDATASTRUCT& request) {
  auto kind = static_cast<InstanceRequest>(request.dwData);
  if (kind != InstanceRequest::Show && kind != InstanceRequest::Print) return FALSE;
  const auto* text = static_cast<const wchar_t*>(request.lpData);
  const DWORD units = request.cbData / sizeof(wchar_t);
  if (!text || units == 0 || request.cbData % sizeof(wchar_t) || text[units - 1] != L'\0') return FALSE;
  // The document may have changed since the other start looked.
  if (!markerWindow || !FindWindowExW(mainWindow, nullptr, markerClassName, text)) return FALSE;
  if (IsIconic(mainWindow)) ShowWindow(mainWindow, SW_RESTORE);
  SetForegroundWindow(mainWindow);
  if (kind == InstanceRequest::Print) PostMessageW(mainWindow, WM_COMMAND, Id(Command::Print), 0);
  return TRUE;
}
