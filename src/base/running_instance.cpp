#include "base/running_instance.h"

#include "base/globals.h"

namespace {

struct InstanceSearch {
  const char* markerText;
  bool found;
};

BOOL CALLBACK OfferWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<InstanceSearch*>(param);
  if (window == mainWindow) return TRUE;
  char className[33] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, mainClassName) != 0) return TRUE;
  if (!FindWindowExA(window, nullptr, markerClassName, search->markerText)) return TRUE;
  SwitchToThisWindow(window, TRUE);
  search->found = true;
  return FALSE;
}

}  // namespace

bool MarkerTextFor(const char* path, char (&text)[MAX_PATH]) {
  DWORD length = GetShortPathNameA(path, text, sizeof text);
  if (length == 0 || length >= sizeof text) return false;
  CharLowerA(text);
  return true;
}

bool FindRunningInstance(const char* path) {
  char markerText[MAX_PATH];
  // Without a short form there is no file; an empty text would match the marker
  // of every instance that shows no document yet.
  if (!MarkerTextFor(path, markerText)) return false;
  InstanceSearch search{markerText, false};
  EnumWindows(OfferWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
