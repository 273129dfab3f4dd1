// The texts the program shows, in one place (the menus' captions are in
// base/command_captions.cpp, the dialogs' in the resources). They are UTF-16
// and go to the W functions as they are, whatever the system's code page.
#pragma once
#include <initializer_list>
#include <string>

// `text` with %1 to %9 replaced by the inserts in order; any other % stays.
std::wstring FillText(std::wstring_view text, std::initializer_list<std::wstring_view> inserts);

inline constexpr wchar_t programCaption[] = L"ZORN2";  // every message box's caption
inline constexpr wchar_t mainClassNameWide[] = L"ZORN2";  // the main window's class: other instances look for it
inline constexpr wchar_t untitledTitle[] = L"[БезИмени]-ZORN2";  // the title of a new document

// What a box says when not even its own text can be built.
inline constexpr wchar_t outOfMemoryText[] = L"Недостаточно памяти.";

// An error the system has no text for: %1 its number.
inline constexpr wchar_t errorNumberText[] = L"Ошибка %1";

// The Find/Replace dialog's titles.
inline constexpr wchar_t findDialogTitle[] = L"Найти...";
inline constexpr wchar_t replaceDialogTitle[] = L"Заменить...";

// A replacement the text limit refuses: %1 the limit in bytes.
inline constexpr wchar_t refusedReplaceText[] = L"Замена не сделана: текст стал бы больше %1 байт, которые вмещает редактор.";

// The About box: the shell shows the part before "#" in the title and the rest as the first line.
inline constexpr wchar_t aboutApplicationText[] = L"Zorn2.1.6#Редактор текстов в кодировках Windows-1251, DOS-866 и KOI8-R";
inline constexpr wchar_t aboutOtherText[] = L"Автор: ZovaV";

// The byte patcher.
inline constexpr wchar_t patchTitlePrefix[] = L"Изменить байт: ";
inline constexpr wchar_t patchErrorText[] = L"Error";
inline constexpr wchar_t patchConfirmText[] = L"Вы уверены?";

// The status bar's insert-mode pane.
inline constexpr wchar_t insertModeText[] = L"Вставка";
inline constexpr wchar_t overwriteModeText[] = L"Замена";

// Conversions and pastes that meet what the target cannot hold: %1 the code page, %2 the count.
inline constexpr wchar_t replacedCharactersText[] = L"Символов, которых нет в %1: %2. Они заменены похожими или знаком \"?\".";
inline constexpr wchar_t undefinedBytesText[] = L"Байтов, которые в %1 не означают никакого символа: %2. Они заменены знаком U+FFFD.";
