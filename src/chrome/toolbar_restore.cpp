#include "chrome/toolbar_restore.h"

#include "base/commands.h"
#include "chrome/toolbar_buttons.h"

namespace {

bool restoreDamaged;

}  // namespace

void StartRestoreCheck() { restoreDamaged = false; }
bool RestoreWasDamaged() { return restoreDamaged; }

// Each stored button comes with its command only: the picture and style are
// the program's to give. No command of the program is 0, which is how Wine
// stores a separator.
void RestoreButton(NMTBRESTORE* restore) {
  TBBUTTON& button = restore->tbButton;
  if (restore->iItem < 0 || (button.fsStyle & TBSTYLE_SEP)) return;
  if (button.idCommand == 0) {
    button = TBBUTTON{};
    button.fsStyle = TBSTYLE_SEP;
  } else if (!ButtonForCommand(CommandFrom(button.idCommand), &button)) {
    restoreDamaged = true;
  }
}
