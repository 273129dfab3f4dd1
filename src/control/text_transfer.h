// Text between the document control and other windows by OLE data objects:
// what a drag out of the control offers, and how a drop's text is read in the
// text format its taker asks for.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

// One format of a data object and its bytes, terminating zero included.
struct DataBlock {
  CLIPFORMAT format;
  std::string bytes;
};

// A data object offering each block as an HGLOBAL; the caller holds its one
// reference. Null when memory runs out.
IDataObject* CreateTextDataObject(std::vector<DataBlock> blocks);

// The dropped text as `format` (CF_TEXT or CF_OEMTEXT) up to its first zero:
// the block itself when the data offers it, else another text format
// converted as the clipboard converts it. False when it offers no text.
bool ReadDroppedText(IDataObject* data, CLIPFORMAT format, std::string& bytes);
// The dropped text's characters in UTF-8, whichever text format it offers.
bool ReadDroppedUtf8(IDataObject* data, std::string& bytes);

// True while `data` is what the document control `window` is dragging: a drop
// of it moves or copies the control's own bytes unchanged.
bool IsDragFromControl(HWND window, IDataObject* data);
