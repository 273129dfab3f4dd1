#include "app/menu_mnemonics.h"

#include "app/menu_bar.h"
#include "app/recent_file_text.h"
#include "base/commands.h"
#include "base/globals.h"

namespace {

using Match = bool (*)(wchar_t mnemonic, wchar_t typed);

wchar_t UpperCase(wchar_t character) {
  return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<wchar_t*>(character))));
}

bool SameLetter(wchar_t mnemonic, wchar_t typed) { return UpperCase(mnemonic) == UpperCase(typed); }

// 0xFF: the character is on no key of the current layout.
BYTE KeyOf(wchar_t character) { return LOBYTE(VkKeyScanW(character)); }

bool SameKey(wchar_t mnemonic, wchar_t typed) {
  BYTE key = KeyOf(mnemonic);
  return key != 0xFF && key == KeyOf(typed);
}

// Empty recent-file slots take no space in the menu, so their digits must not act.
bool ItemAvailable(const MnemonicRecord& record) {
  if (GetMenuState(mainMenu, record.command, MF_BYCOMMAND) & MF_GRAYED) return false;
  int recentSlot = RecentSlot(CommandFrom(static_cast<int>(record.command)));
  if (recentSlot < 0) return true;
  return !RecentFileText(recentSlot).label.empty();
}

const MnemonicRecord* FindRecord(HMENU menu, wchar_t typed, Match match) {
  for (int i = 0; i < mnemonicCount; ++i) {
    const MnemonicRecord& record = mnemonicTable[i];
    if (popupMenus[record.menu] != menu || !match(record.character, typed)) continue;
    if (ItemAvailable(record)) return &record;
  }
  return nullptr;
}

int PositionOf(HMENU menu, UINT command) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (GetMenuItemID(menu, position) == command) return position;
  }
  return -1;
}

}  // namespace

LRESULT MenuChar(WORD character, HMENU menu) {
  if (!menu) return MNC_IGNORE;
  auto typed = static_cast<wchar_t>(character);
  const MnemonicRecord* record = FindRecord(menu, typed, SameLetter);
  if (!record) record = FindRecord(menu, typed, SameKey);
  const int position = record ? PositionOf(menu, record->command) : -1;
  if (position < 0) return MNC_IGNORE;
  return MAKELRESULT(position, MNC_EXECUTE);
}
