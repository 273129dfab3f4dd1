// The message loop and its idle step.
#pragma once
#include <windows.h>

// Runs until WM_QUIT and returns its code. While a toolbar exists, the idle
// step runs whenever the queue has become empty.
int RunMessageLoop();

// What the loop does with each message it reads (with the W functions):
// translates keys, hands typed characters to the editor whole, dispatches the rest.
void DispatchLoopMessage(MSG& message);

// Greys or enables the toolbar's Paste, Delete, Cut, Copy, Save and Undo
// buttons and checks its word-wrap button.
void IdleUpdate();
