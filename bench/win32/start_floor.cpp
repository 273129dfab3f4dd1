// The floor under zorn2.exe's start, timed as scripts/bench-open.sh times the
// program: Wine's start of a trivial PE32, and of one that shows a titled,
// painted window and nothing else. Writes the same trace (ZORN2_START_TRACE).
//
//   start-floor           returns at once
//   start-floor window    shows its window and closes at the first idle moment
#include <windows.h>

#include <cstring>

#include "base/start_trace.h"

namespace {

const char floorClassName[] = "ZORN2-FLOOR";

LRESULT CALLBACK FloorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

int ShowFloorWindow(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = FloorProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = floorClassName;
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowA(floorClassName, "[floor]-ZORN2", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  TraceStartStep("main window created");
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  TraceStartStep("painted");
  MSG message;
  for (;;) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      GdiFlush();
      TraceStartStep("idle");
      if (FinishStartTrace()) DestroyWindow(window);
    }
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  BeginStartTrace();
  if (std::strcmp(commandLine, "window") == 0) return ShowFloorWindow(instance);
  FinishStartTrace();
  return 0;
}
