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
// %1 the program's version.
inline constexpr wchar_t aboutOtherText[] = L"Версия %1. Автор: ZovaV";

// The byte patcher.
inline constexpr wchar_t patchTitlePrefix[] = L"Изменить байт: ";
inline constexpr wchar_t patchErrorText[] = L"Error";
inline constexpr wchar_t patchConfirmText[] = L"Вы уверены?";

// F1's built-in help, when neither a help file nor the guide is at hand.
inline constexpr wchar_t helpText[] =
    L"ZORN2 — редактор текстов в кодировках Windows-1251, DOS-866, KOI8-R и UTF-8.\r\n"
    L"\r\n"
    L"Просмотр. F2 — показать текст как ANSI (1251), Ctrl+F2 — как OEM (866),\r\n"
    L"Alt+F2 — как KOI8-R, Shift+F2 — как UTF-8. Байты файла при этом не меняются.\r\n"
    L"\r\n"
    L"Перекодировка. Ctrl+W, Ctrl+D, Ctrl+K или Ctrl+U, а затем ещё одна из этих\r\n"
    L"клавиш: первая называет исходную кодировку, вторая — нужную (W — 1251,\r\n"
    L"D — 866, K — KOI8-R, U — UTF-8), Ctrl держите нажатой. Без выделения\r\n"
    L"перекодируется весь текст, с выделением — только оно. Дважды одна и та же\r\n"
    L"клавиша (Ctrl+U, Ctrl+U) только переключает просмотр. Символ, которого нет\r\n"
    L"в однобайтовой кодировке, становится похожим знаком или «?», а программа\r\n"
    L"скажет, сколько таких было.\r\n"
    L"Меню «Кодировки» переводит текст также в Fido и в транслит.\r\n"
    L"\r\n"
    L"Правка. Ctrl+Z или Alt+Backspace — отменить, Ctrl+Y — удалить строку,\r\n"
    L"Ctrl+Delete и Ctrl+Backspace — удалить слово, Insert — вставка или замена.\r\n"
    L"Ctrl+J, Ctrl+E, Ctrl+L, Ctrl+R — выровнять абзац по ширине, по центру,\r\n"
    L"по левому и по правому краю.\r\n"
    L"\r\n"
    L"Шрифт. Ctrl+плюс и Ctrl+минус меняют размер шрифта текущей кодировки.\r\n"
    L"F4 разворачивает окно и возвращает его обратно, Esc закрывает программу.\r\n"
    L"\r\n"
    L"Файл сохраняется ровно теми байтами, что в нём есть: программа ничего\r\n"
    L"не добавляет и не перекодирует сама.";

// Page numbering: %1 the count of pages.
inline constexpr wchar_t pageCountCaption[] = L"Страниц: %1";
inline constexpr wchar_t pageCountFailedCaption[] = L"ошибка EnumPage()";
inline constexpr wchar_t pageNumbersQuestion[] = L"Включить номера страниц?";

// The printing box while a job runs: %1 the page under way.
inline constexpr wchar_t printingPageText[] = L"Страница %1";

// The print preview's title: %1 the main window's.
inline constexpr wchar_t previewTitle[] = L"Просмотр: %1";

// The status bar's insert-mode pane.
inline constexpr wchar_t insertModeText[] = L"Вставка";
inline constexpr wchar_t overwriteModeText[] = L"Замена";

// Conversions and pastes that meet what the target cannot hold: %1 the code page, %2 the count.
inline constexpr wchar_t replacedCharactersText[] = L"Символов, которых нет в %1: %2. Они заменены похожими или знаком \"?\".";
inline constexpr wchar_t undefinedBytesText[] = L"Байтов, которые в %1 не означают никакого символа: %2. Они заменены знаком U+FFFD.";
