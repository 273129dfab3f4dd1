// Command::DateTime: the date, a blank and the time typed at the caret.
#pragma once

// Two undo steps: the time comes back out first, then the date with its blank.
void InsertDateTime();
