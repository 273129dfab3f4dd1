#include "tools/file_associations.h"

#include <shlobj.h>

#include <string>

#include "base/globals.h"
#include "base/last_resort.h"

char exePath[MAX_PATH];

namespace {

// One check box: Open stands for open and icon together.
struct AssociationBox {
  int id;
  const char* className;
  AssociationVerb verb;
};

constexpr AssociationBox boxes[] = {
    {1001, "txtfile", AssociationVerb::Open}, {1002, "inifile", AssociationVerb::Open},
    {1003, "inffile", AssociationVerb::Open}, {1011, "batfile", AssociationVerb::Edit},
    {1012, "cmdfile", AssociationVerb::Edit}, {1013, "regfile", AssociationVerb::Edit},
    {1021, "txtfile", AssociationVerb::Print},
};

// Room for the program's longest value in either form.
constexpr DWORD valueCapacity = MAX_PATH + 16;

void TakeExePath() {
  DWORD length = GetModuleFileNameA(nullptr, exePath, sizeof exePath);
  // A cut path would name another file: then nothing is the program's own.
  if (length == 0 || length >= sizeof exePath) exePath[0] = '\0';
}

bool IsBoxAssociated(const AssociationBox& box) {
  return IsAssociated(box.className, box.verb) &&
         (box.verb != AssociationVerb::Open || IsAssociated(box.className, AssociationVerb::Icon));
}

void AssociateBox(const AssociationBox& box) {
  Associate(box.className, box.verb);
  if (box.verb == AssociationVerb::Open) Associate(box.className, AssociationVerb::Icon);
}

void ShowAssociations(HWND dialog) {
  for (const AssociationBox& box : boxes) {
    if (!IsBoxAssociated(box)) continue;
    HWND check = GetDlgItem(dialog, box.id);
    EnableWindow(check, FALSE);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  }
}

// Checked boxes whose association is missing, written now; unchecked ones change nothing.
void WriteAssociations(HWND dialog) {
  bool written = false;
  for (const AssociationBox& box : boxes) {
    if (IsDlgButtonChecked(dialog, box.id) != BST_CHECKED || IsBoxAssociated(box)) continue;
    AssociateBox(box);
    written = true;
  }
  // Explorer shows the new icons and verbs without a restart.
  if (written) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace

bool IsAssociated(const char* className, AssociationVerb verb) {
  if (!exePath[0]) return false;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, AssociationKey(className, verb).c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  char value[valueCapacity + 1];
  DWORD type = 0;
  DWORD size = valueCapacity;
  LONG status = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  value[size] = '\0';  // a value stored without its terminating zero
  for (const std::string& own : OwnAssociationValues(exePath, verb)) {
    if (lstrcmpiA(value, own.c_str()) == 0) return true;
  }
  return false;
}

// Failures (no right to write there) are not reported: the next opening shows what was written.
void Associate(const char* className, AssociationVerb verb) {
  if (!exePath[0]) return;
  HKEY key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, AssociationKey(className, verb).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  std::string value = AssociationValue(exePath, verb);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

static INT_PTR AssociationsDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK AssociationsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return AssociationsDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR AssociationsDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    TakeExePath();
    ShowAssociations(dialog);
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    WriteAssociations(dialog);
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

void RunAssociationsDialog() {
  DialogBoxParamA(appInstance, MAKEINTRESOURCEA(associationsDialogResource), mainWindow, AssociationsDialogProc, 0);
}
