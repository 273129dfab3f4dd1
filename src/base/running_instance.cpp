#include "base/running_instance.h"

#include "base/commands.h"
#include "base/globals.h"

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
  const char* markerText;
  InstanceRequest request;
  bool found;
};

// The window is let come to the front (only the process in front may allow
// that) and then asked; one that does not answer is passed over.
bool Ask(HWND window, DWORD processId, const InstanceSearch& search) {
  AllowSetForegroundWindow(processId);
  COPYDATASTRUCT data{static_cast<ULONG_PTR>(search.request), static_cast<DWORD>(lstrlenA(search.markerText) + 1),
                      const_cast<char*>(search.markerText)};
  DWORD_PTR answer = FALSE;
  return SendMessageTimeoutW(window, WM_COPYDATA, reinterpret_cast<WPARAM>(mainWindow),
                             reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &answer) &&
         answer == TRUE;
}

BOOL CALLBACK OfferWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<InstanceSearch*>(param);
  if (window == mainWindow) return TRUE;
  char className[33] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, mainClassName) != 0) return TRUE;
  if (!FindWindowExA(window, nullptr, markerClassName, search->markerText)) return TRUE;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (!sameElevation(processId) || !Ask(window, processId, *search)) return TRUE;
  search->found = true;
  return FALSE;
}

}  // namespace

ElevationCheck sameElevation = SameElevationAsThis;

bool MarkerTextFor(const char* path, char (&text)[MAX_PATH]) {
  DWORD length = GetShortPathNameA(path, text, sizeof text);
  if (length == 0 || length >= sizeof text) return false;
  CharLowerA(text);
  return true;
}

bool FindRunningInstance(const char* path, InstanceRequest request) {
  char markerText[MAX_PATH];
  // Without a short form there is no file; an empty text would match the marker
  // of every instance that shows no document yet.
  if (!MarkerTextFor(path, markerText)) return false;
  InstanceSearch search{markerText, request, false};
  EnumWindows(OfferWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

LRESULT AnswerInstanceRequest(const COPYDATASTRUCT& request) {
  auto kind = static_cast<InstanceRequest>(request.dwData);
  if (kind != InstanceRequest::Show && kind != InstanceRequest::Print) return FALSE;
  const auto* text = static_cast<const char*>(request.lpData);
  if (!text || request.cbData == 0 || text[request.cbData - 1] != '\0') return FALSE;
  // The document may have changed since the other start looked.
  if (!markerWindow || !FindWindowExA(mainWindow, nullptr, markerClassName, text)) return FALSE;
  if (IsIconic(mainWindow)) ShowWindow(mainWindow, SW_RESTORE);
  SetForegroundWindow(mainWindow);
  if (kind == InstanceRequest::Print) PostMessageW(mainWindow, WM_COMMAND, Id(Command::Print), 0);
  return TRUE;
}
