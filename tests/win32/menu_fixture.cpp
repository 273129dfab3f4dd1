#include "menu_fixture.h"

#include "app/globals.h"
#include "app/initialisation.h"
#include "app/settings_store.h"

void MenuWindows::SetUpTestSuite() {
  ProgramWindows::SetUpTestSuite();
  if (!menuFont) ReadMenuMetrics();
}

void MenuWindows::TearDown() {
  SetRecentList("", {});
}

void MenuWindows::SetRecentList(const char* order, std::initializer_list<const char*> paths) {
  WriteSettingString("LIST", order);
  const char* digit = order;
  for (const char* path : paths) {
    if (!*digit) break;
    char name[] = {*digit++, 'F', '\0'};
    WriteSettingString(name, path);
  }
}
