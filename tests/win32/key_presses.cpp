#include "key_presses.h"

#include "app/message_loop.h"

namespace {

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

}  // namespace

void HoldModifiers(int modifiers) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = (modifiers & Shift) ? 0x80 : 0;
  state[VK_CONTROL] = (modifiers & Ctrl) ? 0x80 : 0;
  state[VK_MENU] = (modifiers & Alt) ? 0x80 : 0;
  state[VK_LBUTTON] = 0;
  SetKeyboardState(state);
}

// As the program's own loop does it.
void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchLoopMessage(message);
}

void Press(HWND window, KeyPress press) {
  HoldModifiers(press.modifiers);
  bool alt = (press.modifiers & Alt) != 0;
  LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(press.key, MAPVK_VK_TO_VSC)) << 16 | (alt ? 1 << 29 : 0);
  PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, press.key, data);
  PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, press.key, data | 0xC0000000);
  UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMenu);
  PumpMessages();
  KillTimer(nullptr, timer);
  HoldModifiers(Plain);
}
