// The question asked before anything discards the document.
#pragma once

// True when the caller may discard the document.
bool QueryCloseDocument();
