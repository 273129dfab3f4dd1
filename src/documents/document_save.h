// Saving the document under its name.
#pragma once

// Writes the whole text to `currentPath`, asking first when the file is
// read-only (it is read-only again afterwards). True clears the modified flag;
// a failure is reported and leaves the document modified.
bool SaveDocument();
