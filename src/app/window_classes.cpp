#include "app/window_classes.h"

#include "app/main_window.h"
#include "base/globals.h"
#include "base/ui_texts.h"

// Every other instance finds this one by these classes, so their layout is fixed.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(WNDCLASSEXW) == 48);
#endif

namespace {

bool RegisterMarkerClass(HINSTANCE instance) {
  WNDCLASSEXW marker{};
  marker.cbSize = sizeof marker;
  marker.lpfnWndProc = DefWindowProcW;  // its text, a path, stays UTF-16
  marker.hInstance = instance;
  marker.lpszClassName = markerClassName;
  return RegisterClassExW(&marker) != 0;
}

void LoadIcons(HINSTANCE instance) {
  appIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  webIconSmall = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(3), IMAGE_ICON, 16, 16, 0));
  appIconSmall = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(2), IMAGE_ICON, 16, 16, 0));
}

// A Unicode window: its title, menus and notifications are UTF-16, whatever
// the system's code page. Other instances find it by its class name all the same.
bool RegisterMainClass(HINSTANCE instance) {
  WNDCLASSEXW main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = MainWindowProc;
  main.hInstance = instance;
  main.hIcon = appIcon;
  main.hIconSm = appIconSmall;
  main.lpszClassName = mainClassNameWide;
  return RegisterClassExW(&main) != 0;
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  if (!RegisterMarkerClass(instance)) return false;
  LoadIcons(instance);
  return RegisterMainClass(instance);
}

bool CreateMainWindow(HINSTANCE instance) {
  mainWindow = CreateWindowExW(0, mainClassNameWide, untitledTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (!mainWindow) return false;
  markerWindow = CreateWindowExW(0, markerClassName, L"", WS_CHILD, 0, 0, 0, 0, mainWindow, nullptr, instance, nullptr);
  return markerWindow != nullptr;
}
