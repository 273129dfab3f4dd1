#include "base/window_messages.h"

#include "base/globals.h"

void PostLayout() {
  RECT client;
  GetClientRect(mainWindow, &client);
  PostMessageA(mainWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}
