#include "base/settings_store.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "base/wide_strings.h"

const char settingsKeyPath[] = "Software\\Mirt\\Zorn2c";
const wchar_t settingsKeyPathWide[] = L"Software\\Mirt\\Zorn2c";

namespace {

// Fills `data` from the value; true when the whole value fitted. `size` is in
// bytes, the count read on success. Without `data`, only the size and type are asked.
bool QueryValue(const char* name, void* data, DWORD* size, DWORD* type = nullptr) {
  HKEY key;
  if (RegOpenKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key) != ERROR_SUCCESS) return false;
  LONG status = RegQueryValueExA(key, name, nullptr, type, static_cast<BYTE*>(data), size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

void SetValue(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  if (RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

}  // namespace

int32_t ReadSettingDword(const char* name, int32_t defaultValue) {
  int32_t value = 0;
  DWORD size = sizeof value;
  return QueryValue(name, &value, &size) ? value : defaultValue;
}

int32_t ReadSettingStrictDword(const char* name, int32_t defaultValue) {
  int32_t value = 0;
  DWORD size = sizeof value;
  DWORD type = REG_NONE;
  bool read = QueryValue(name, &value, &size, &type);
  return read && type == REG_DWORD && size == sizeof value ? value : defaultValue;
}

void ReadSettingString(const char* name, char* buffer, DWORD bufferSize) {
  if (bufferSize == 0) return;
  DWORD size = bufferSize;
  bool read = QueryValue(name, buffer, &size);
  // A value stored without its zero (or not as a string at all) is terminated
  // here when there is room, and refused when there is none.
  if (!read || (size == bufferSize && buffer[size - 1] != '\0')) {
    buffer[0] = '\0';
  } else if (size == 0 || buffer[size - 1] != '\0') {
    buffer[size] = '\0';
  }
}

bool DescribeSetting(const char* name, DWORD* type, DWORD* size) {
  *size = 0;
  return QueryValue(name, nullptr, size, type);
}

void WriteSettingString(const char* name, const char* text) {
  SetValue(name, REG_SZ, text, lstrlenA(text) + 1);
}

void WriteSettingDword(const char* name, int32_t value) { SetValue(name, REG_DWORD, &value, sizeof value); }

std::wstring ReadSettingText(const char* name) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, settingsKeyPathWide, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
  const std::wstring valueName = WideFromUtf8(name);
  DWORD type = REG_NONE, size = 0;
  std::wstring text;
  if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
    text.resize(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
      size = 0;
    }
    text.resize(std::min<std::size_t>(size / sizeof(wchar_t), text.size()));
    text.resize(std::wcslen(text.c_str()));  // up to its zero, stored or not
  }
  RegCloseKey(key);
  return text;
}

void WriteSettingText(const char* name, std::wstring_view text) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, settingsKeyPathWide, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  const std::wstring value(text);
  RegSetValueExW(key, WideFromUtf8(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

bool ReadPlacementSetting(WINDOWPLACEMENT* placement) {
  static_assert(sizeof(WINDOWPLACEMENT) == 44);
  WINDOWPLACEMENT read{};
  DWORD size = sizeof read;
  if (!QueryValue("DEF", &read, &size) || size != sizeof read) return false;
  if (read.length != sizeof read || read.showCmd == SW_HIDE) return false;
  *placement = read;
  return true;
}

void WritePlacementSetting(const WINDOWPLACEMENT& placement) {
  HKEY key;
  if (RegOpenKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, "DEF", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&placement), sizeof placement);
  RegCloseKey(key);
}
