// Switching word wrap: the control is created again with the other style bits.
#pragma once

// Flips `wrapStyle`, stores it as "WW" and re-creates the control with the same text, selection and modified flag.
// Nothing changes when the text cannot be copied out first.
void ToggleWordWrap();
