// Command::Associations: makes the program the opener, editor or printer of the system's
// text, settings, batch and registry file classes under HKEY_CLASSES_ROOT.
// It only adds: nothing the system or another program wrote is removed.
#pragma once
#include <windows.h>

#include "tools/association_verbs.h"

constexpr int associationsDialogResource = 9;

// The program's own path, taken when the dialog opens; empty when it does not fit.
extern char exePath[MAX_PATH];

bool IsAssociated(const char* className, AssociationVerb verb);
void Associate(const char* className, AssociationVerb verb);

void RunAssociationsDialog();

INT_PTR CALLBACK AssociationsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
