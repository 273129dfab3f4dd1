// The message loop and its idle step.
#pragma once

// Runs until WM_QUIT and returns its code. While a toolbar exists, the idle
// step runs whenever the queue has become empty.
int RunMessageLoop();

// Greys or enables the toolbar's Paste, Delete, Cut, Copy, Save and Undo
// buttons and checks its word-wrap button.
void IdleUpdate();
