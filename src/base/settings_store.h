// Every persistent setting: a named value under one key of the current user.
// Each access opens the key, does its one query or set, and closes it again,
// so two running instances share the values and the last writer wins.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

extern const char settingsKeyPath[];  // under HKEY_CURRENT_USER
extern const wchar_t settingsKeyPathWide[];

// The first four bytes of whatever the value holds (a shorter value fills the
// low bytes of a zero); `defaultValue` when the key or the value is missing or
// the value is longer than four bytes.
int32_t ReadSettingDword(const char* name, int32_t defaultValue);

// Only a REG_DWORD of exactly four bytes; `defaultValue` for anything else.
int32_t ReadSettingStrictDword(const char* name, int32_t defaultValue);

// The value's bytes as a zero-terminated string in `buffer`; the empty string
// when the key or the value is missing or the value does not fit with its zero.
void ReadSettingString(const char* name, char* buffer, DWORD bufferSize);

// The type and size in bytes of a stored value; false when it is missing.
bool DescribeSetting(const char* name, DWORD* type, DWORD* size);

// A text value (REG_SZ) as UTF-16, up to its zero; empty when the key or the
// value is missing or holds anything but a string. Names are ASCII.
std::wstring ReadSettingText(const char* name);

// These create the key when it does not exist yet; a failure is ignored.
void WriteSettingText(const char* name, std::wstring_view text);
void WriteSettingString(const char* name, const char* text);
void WriteSettingDword(const char* name, int32_t value);

// The main window's placement "DEF" (44 bytes). Reading fails on anything but a
// whole record that would show the window. Writing only opens the key: while
// no other setting has been written, the placement is not kept.
bool ReadPlacementSetting(WINDOWPLACEMENT* placement);
void WritePlacementSetting(const WINDOWPLACEMENT& placement);
