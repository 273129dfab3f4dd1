#include "app/menu_mnemonics.h"

#include "app/menu_bar.h"
#include "app/recent_file_text.h"
#include "base/commands.h"
#include "base/globals.h"

namespace {

using Match = bool (*)(BYTE mnemonic, BYTE typed);

BYTE UpperCase(BYTE character) {
  return static_cast<BYTE>(reinterpret_cast<UINT_PTR>(CharUpperA(reinterpret_cast<char*>(character))));
}

bool SameLetter(BYTE mnemonic, BYTE typed) {
  return UpperCase(mnemonic) == UpperCase(typed);
}

// 0xFF: the character is on no key of the current layout.
BYTE KeyOf(BYTE character) {
  return LOBYTE(VkKeyScanA(static_cast<char>(character)));
}

bool SameKey(BYTE mnemonic, BYTE typed) {
  BYTE key = KeyOf(mnemonic);
  return key != 0xFF && key == KeyOf(typed);
}

// Empty recent-file slots take no space in the menu, so their digits must not act.
bool ItemAvailable(const MnemonicRecord& record) {
  if (GetMenuState(mainMenu, record.command, MF_BYCOMMAND) & MF_GRAYED) return false;
  int recentSlot = RecentSlot(CommandFrom(static_cast<int>(record.command)));
  if (recentSlot < 0) return true;
  return RecentFileText(recentSlot).label[0] != '\0';
}

const MnemonicRecord* FindRecord(HMENU menu, BYTE typed, Match match) {
  for (int i = 0; i < mnemonicCount; ++i) {
    const MnemonicRecord& record = mnemonicTable[i];
    if (popupMenus[record.menu] != menu || !match(record.character, typed)) continue;
    if (ItemAvailable(record)) return &record;
  }
  return nullptr;
}

}  // namespace

LRESULT MenuChar(WORD character, HMENU menu) {
  if (!menu || character > 0xFF) return MNC_IGNORE;
  auto typed = static_cast<BYTE>(character);
  const MnemonicRecord* record = FindRecord(menu, typed, SameLetter);
  if (!record) record = FindRecord(menu, typed, SameKey);
  if (!record) return MNC_IGNORE;
  SendMessageA(mainWindow, WM_COMMAND, record->command, 0);
  return MAKELRESULT(0, MNC_CLOSE);
}
