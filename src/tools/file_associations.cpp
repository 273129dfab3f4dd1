#include "tools/file_associations.h"

#include <shlobj.h>

#include <algorithm>
#include <iterator>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/program_path.h"
#include "base/ui_texts.h"
#include "tools/association_registry.h"
#include "tools/default_apps.h"

namespace {

// The check box of each AssociationBox, in its order.
constexpr int boxIds[] = {1001, 1002, 1003, 1011, 1012, 1013, 1021};
static_assert(std::size(boxIds) == std::size(associationBoxes));

// The program's own path, taken when the dialog opens; empty when the system cannot say it.
std::wstring exePath;

bool Contains(const std::vector<AssociationBox>& boxes, AssociationBox box) {
  return std::find(boxes.begin(), boxes.end(), box) != boxes.end();
}

void ShowRegistration(HWND dialog) {
  std::vector<AssociationBox> registered = RegisteredBoxes(exePath);
  for (std::size_t i = 0; i < std::size(boxIds); ++i) {
    CheckDlgButton(dialog, boxIds[i], Contains(registered, associationBoxes[i]) ? BST_CHECKED : BST_UNCHECKED);
  }
}

std::vector<AssociationBox> TickedBoxes(HWND dialog) {
  std::vector<AssociationBox> ticked;
  for (std::size_t i = 0; i < std::size(boxIds); ++i) {
    if (IsDlgButtonChecked(dialog, boxIds[i]) == BST_CHECKED) ticked.push_back(associationBoxes[i]);
  }
  return ticked;
}

std::wstring SystemReason(LSTATUS status) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = length ? std::wstring(text, length) : FillText(errorCodeText, {std::to_wstring(status)});
  LocalFree(text);
  return reason;
}

void ReportFailure(HWND dialog, const RegistrationFailure& failure) {
  std::wstring text = FillText(registryRefusedText, {failure.key, SystemReason(failure.status)});
  MessageBoxW(dialog, text.c_str(), associationsCaption, MB_OK | MB_ICONERROR);
}

// Windows 8 and later let only the user choose a default program: offer its page.
void OfferDefaultApps(HWND dialog) {
  if (MessageBoxW(dialog, defaultAppsQuestion, associationsCaption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    openDefaultAppsPage();
  }
}

// OK: the registration becomes what the boxes show. True when the dialog may close.
bool ApplyTicks(HWND dialog) {
  std::vector<AssociationBox> ticked = TickedBoxes(dialog), before = RegisteredBoxes(exePath);
  if (ticked == before) return true;
  if (exePath.empty()) return true;
  RegistrationFailure failure = Register(ticked, exePath);
  // Explorer shows the new icons and verbs without a restart.
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  if (failure.status != ERROR_SUCCESS) {
    ReportFailure(dialog, failure);
    ShowRegistration(dialog);
    return false;
  }
  bool added = std::any_of(ticked.begin(), ticked.end(), [&](AssociationBox box) { return !Contains(before, box); });
  if (added) OfferDefaultApps(dialog);
  return true;
}

LSTATUS WriteNew(const RegistryEntry& entry, std::vector<RegistryEntry>& created) {
  bool existed = HasRegistryEntry({entry.key, entry.name, L"", true});
  LSTATUS status = registryWrites.write(entry);
  if (status == ERROR_SUCCESS && !existed) created.push_back(entry);
  return status;
}

}  // namespace

std::vector<AssociationBox> RegisteredBoxes(const std::wstring& path) {
  std::vector<AssociationBox> registered;
  if (path.empty()) return registered;
  for (AssociationBox box : associationBoxes) {
    if (HasRegistryEntries(AssociationEntries({box}, path))) registered.push_back(box);
  }
  return registered;
}

RegistrationFailure Register(const std::vector<AssociationBox>& ticked, const std::wstring& path) {
  std::vector<RegistryEntry> wanted = AssociationEntries(ticked, path);
  std::vector<RegistryEntry> had = AssociationEntries(RegisteredBoxes(path), path);
  std::vector<RegistryEntry> created;
  for (const RegistryEntry& entry : wanted) {
    if (HasRegistryEntry(entry)) continue;
    if (LSTATUS status = WriteNew(entry, created); status != ERROR_SUCCESS) {
      for (const RegistryEntry& made : created) registryWrites.remove(made);
      return {entry.key, status};
    }
  }
  for (const RegistryEntry& entry : EntriesLeft(had, wanted)) {
    if (LSTATUS status = registryWrites.remove(entry); status != ERROR_SUCCESS) return {entry.key, status};
  }
  return {};
}

static INT_PTR AssociationsDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK AssociationsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return AssociationsDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR AssociationsDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    exePath = ProgramPath();
    ShowRegistration(dialog);
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    if (ApplyTicks(dialog)) EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

void RunAssociationsDialog() {
  DialogBoxParamW(appInstance, MAKEINTRESOURCEW(associationsDialogResource), mainWindow, AssociationsDialogProc, 0);
}
