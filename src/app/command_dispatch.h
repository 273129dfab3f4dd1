// Every WM_COMMAND of the main window, from the menus, the accelerators, the
// toolbar and the menu mnemonics alike, goes to the part that carries it out.
#pragma once

// False for identifiers the program does not know (the editor's own
// notifications come as 0): those go to the default procedure.
bool RunCommand(int command);
