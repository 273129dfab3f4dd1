// The texts the program shows, in one place (the menus' captions are in
// base/command_captions.cpp, the dialogs' in the resources). They are UTF-16
// and go to the W functions as they are, whatever the system's code page.
#pragma once

inline constexpr wchar_t programCaption[] = L"ZORN2";  // every message box's caption
inline constexpr wchar_t mainClassNameWide[] = L"ZORN2";  // the main window's class: other instances look for it
inline constexpr wchar_t untitledTitle[] = L"[БезИмени]-ZORN2";  // the title of a new document

// The status bar's insert-mode pane.
inline constexpr wchar_t insertModeText[] = L"Вставка";
inline constexpr wchar_t overwriteModeText[] = L"Замена";

// Conversions and pastes that meet characters the target code page lacks.
inline constexpr wchar_t replacedCharactersText[] = L"Символов, которых нет в ";
inline constexpr wchar_t replacedCharactersHint[] = L"Они заменены похожими или знаком \"?\".";
