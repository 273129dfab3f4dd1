// The clipboard in the UTF-8 view: other programs get the text as UTF-16
// (CF_UNICODETEXT) and, for those that read only CF_TEXT, in Windows-1251 with
// look-alikes for what that lacks; a paste takes UTF-16 first.
#pragma once
#include <string>
#include <string_view>

// Empties the clipboard and puts `utf8` on it in both formats; false, the
// clipboard left alone, when memory or the clipboard cannot be had.
bool PutUtf8OnClipboard(std::string_view utf8);

// The clipboard's text in UTF-8, up to its first zero: CF_UNICODETEXT when
// offered, else CF_TEXT read as Windows-1251. False when it holds no text.
bool ReadClipboardAsUtf8(std::string& utf8);
