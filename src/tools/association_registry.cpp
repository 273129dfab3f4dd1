#include "tools/association_registry.h"

#include <algorithm>
#include <string>

RegistryWrites registryWrites{WriteRegistryEntry, RemoveRegistryEntry};

namespace {

const wchar_t* NameOf(const RegistryEntry& entry) { return entry.name.empty() ? nullptr : entry.name.c_str(); }

bool IsEmptyKey(const std::wstring& key) {
  HKEY handle;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return false;
  DWORD subkeys = 1, values = 1;
  LSTATUS status = RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                                    nullptr, nullptr, nullptr);
  RegCloseKey(handle);
  return status == ERROR_SUCCESS && subkeys == 0 && values == 0;
}

void PruneEmptyKeys(std::wstring key) {
  while (!IsRegistryRoot(key) && IsEmptyKey(key) && RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str()) == ERROR_SUCCESS) {
    std::size_t slash = key.rfind(L'\\');
    if (slash == std::wstring::npos) return;
    key.resize(slash);
  }
}

}  // namespace

LSTATUS WriteRegistryEntry(const RegistryEntry& entry) {
  HKEY key;
  LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, entry.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                   nullptr);
  if (status != ERROR_SUCCESS) return status;
  const BYTE* data = reinterpret_cast<const BYTE*>(entry.data.c_str());
  DWORD size = entry.marker ? 0 : static_cast<DWORD>((entry.data.size() + 1) * sizeof(wchar_t));
  status = RegSetValueExW(key, NameOf(entry), 0, entry.marker ? REG_NONE : REG_SZ, entry.marker ? nullptr : data, size);
  RegCloseKey(key);
  return status;
}

LSTATUS RemoveRegistryEntry(const RegistryEntry& entry) {
  HKEY key;
  LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, entry.key.c_str(), 0, KEY_SET_VALUE, &key);
  if (status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;  // nothing there to take away
  if (status != ERROR_SUCCESS) return status;
  status = RegDeleteValueW(key, NameOf(entry));
  RegCloseKey(key);
  if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
  if (status == ERROR_SUCCESS) PruneEmptyKeys(entry.key);
  return status;
}

bool HasRegistryEntry(const RegistryEntry& entry) {
  DWORD type = 0, size = 0;
  const DWORD any = RRF_RT_ANY | RRF_NOEXPAND;
  if (RegGetValueW(HKEY_CURRENT_USER, entry.key.c_str(), NameOf(entry), any, &type, nullptr, &size) != ERROR_SUCCESS) {
    return false;
  }
  if (entry.marker) return true;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  // RegGetValueW adds the terminating zero a stored value may lack.
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, entry.key.c_str(), NameOf(entry), any, nullptr, value.data(), &size) !=
      ERROR_SUCCESS) {
    return false;
  }
  value.resize(wcsnlen(value.c_str(), value.size()));
  return lstrcmpiW(value.c_str(), entry.data.c_str()) == 0;
}

bool HasRegistryEntries(const std::vector<RegistryEntry>& entries) {
  return std::all_of(entries.begin(), entries.end(), HasRegistryEntry);
}
