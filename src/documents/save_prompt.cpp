#include "documents/save_prompt.h"

// Nothing can be saved yet, so there is nothing to ask.
bool QueryCloseDocument() { return true; }
