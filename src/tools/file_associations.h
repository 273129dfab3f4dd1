// Command::Associations: offers the program for text, settings, batch and
// registry files, registered for the current user alone (HKEY_CURRENT_USER,
// no administrator rights). A tick shows the registration as it stands;
// removing one takes away what the program wrote for it, and nothing else.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tools/association_entries.h"

constexpr int associationsDialogResource = 9;

// The boxes whose every value is registered for the program at `exePath`.
std::vector<AssociationBox> RegisteredBoxes(const std::wstring& exePath);

// A write or removal the registry refused: the key and the system's reason.
struct RegistrationFailure {
  std::wstring key;
  LSTATUS status = ERROR_SUCCESS;
};

// Makes the registration that of `ticked`: writes what is missing and removes
// what the unticked boxes had. When a write is refused, the values this call
// created are taken back and the failure returned.
RegistrationFailure Register(const std::vector<AssociationBox>& ticked, const std::wstring& exePath);

void RunAssociationsDialog();

INT_PTR CALLBACK AssociationsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
