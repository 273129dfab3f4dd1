// Saving the document under a name the user chooses.
#pragma once

// The Save As dialog writes the chosen name into `currentPath`, then the text is
// saved there. A good save lists the file and empties the undo journal; the
// title shows the new name either way. False on cancel (nothing changes) or
// when the save failed.
bool SaveAs();
