#include "editor/colour_settings.h"

#include "base/settings_store.h"
#include "editor/code_page_fonts.h"

namespace {

COLORREF ReadColour(const char* name, COLORREF defaultColour) {
  auto value = static_cast<COLORREF>(ReadSettingStrictDword(name, static_cast<int32_t>(defaultColour)));
  return (value & 0xFF000000) == 0 ? value : defaultColour;
}

}  // namespace

COLORREF StoredBackgroundColour() { return ReadColour("Bk", GetSysColor(COLOR_WINDOW)); }
COLORREF StoredTextColour() { return ReadColour("Cl", defaultTextColour); }
COLORREF StoredTagColour() { return ReadColour("HTML", RGB(0, 0, 255)); }
