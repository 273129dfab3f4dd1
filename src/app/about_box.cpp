#include "app/about_box.h"

#include <shellapi.h>

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "zorn2_version.h"

void ShowAboutBox(HWND owner) {
  const std::wstring other = FillText(aboutOtherText, {L"" ZORN2_VERSION_TEXT});
  ShellAboutW(owner, aboutApplicationText, other.c_str(), appIcon);
}
