// Command::Help (F1): the program's help.
#pragma once

// The help file beside the program in the platform's help viewer when there
// is one, else the user's guide the packages install (help\zorn2.html) in the
// default browser; when neither opens, the short help text in a message box.
void ShowHelp();
