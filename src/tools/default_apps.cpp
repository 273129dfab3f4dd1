#include "tools/default_apps.h"

// The association window's interface is declared for Vista and later; the
// program declares XP's API elsewhere and asks for the window only where it is.
#define NTDDI_VERSION 0x06000000
#include <windows.h>
#include <shellapi.h>
#include <shobjidl.h>

bool (*openDefaultAppsPage)() = OpenDefaultAppsPage;

namespace {

// The association window of Windows Vista to 8; later systems answer with Settings or not at all.
bool OpenAssociationWindow() {
  const CLSID associationWindow = {0x1968106d, 0xf3b5, 0x44cf, {0x89, 0x0e, 0x11, 0x6f, 0xcb, 0x9e, 0xce, 0xf1}};
  bool initialised = SUCCEEDED(CoInitialize(nullptr));
  IApplicationAssociationRegistrationUI* window = nullptr;
  bool shown = SUCCEEDED(CoCreateInstance(associationWindow, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IApplicationAssociationRegistrationUI,
                                          reinterpret_cast<void**>(&window))) &&
               SUCCEEDED(window->LaunchAdvancedAssociationUI(L"Zorn2"));
  if (window) window->Release();
  if (initialised) CoUninitialize();
  return shown;
}

}  // namespace

bool OpenDefaultAppsPage() {
  // Without a handler for the address the system would show its own error box: ours is the fallback.
  SHELLEXECUTEINFOW page{};
  page.cbSize = sizeof page;
  page.fMask = SEE_MASK_FLAG_NO_UI;
  page.lpFile = L"ms-settings:defaultapps";
  page.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&page) || OpenAssociationWindow();
}
