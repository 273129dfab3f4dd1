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
inline constexpr wchar_t untitledName[] = L"БезИмени";  // the path of a document without a file
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

// Asked of Windows while the session ends with the document unsaved.
inline constexpr wchar_t unsavedShutdownReason[] = L"Документ изменён и не сохранён";

// Page Setup and printing on a system with no printer at all.
inline constexpr wchar_t noPrinterText[] =
    L"В системе не установлен ни один принтер, а страницы размечаются по принтеру.\r\n"
    L"Установите принтер в параметрах Windows.";

// The associations tool: its boxes' caption, a refused registry key (%1 the key under
// HKEY_CURRENT_USER, %2 the system's reason), an error the system has no text for (%1
// its number) and the offer of Windows' own page. (The verbs it adds to Explorer's
// menus are registry data, in tools/association_entries.cpp.)
inline constexpr wchar_t associationsCaption[] = L"Расширения";
inline constexpr wchar_t registryRefusedText[] =
    L"Windows не дала изменить раздел реестра\r\nHKEY_CURRENT_USER\\%1\r\n\r\n%2\r\n"
    L"Отметки показывают, что записано на самом деле.";
inline constexpr wchar_t errorCodeText[] = L"Код ошибки %1";
inline constexpr wchar_t defaultAppsQuestion[] =
    L"Zorn2 добавлен в список «Открыть с помощью» для отмеченных файлов.\r\n"
    L"Программу, которая открывает их по умолчанию, Windows даёт выбрать только вам.\r\n\r\n"
    L"Открыть «Приложения по умолчанию» Windows?";

// The Open, Save As and Insert dialogs' filters: name, then its patterns, each ended by a zero.
inline constexpr wchar_t fileFilters[] =
    L"Текстовые файлы (*.txt,*.diz,*.rtf)\0*.txt;*.diz;*.rtf\0"
    L"Все файлы (*.*)\0*.*\0"
    L"HTML файлы (*.htm,*.html)\0*.htm;*.html\0"
    L"Pascal файлы (*.pas,*.dpr,*.asm)\0*.pas;*.dpr;*.asm\0"
    L"C++ файлы (*.c,*.cpp,*.h,*.rc)\0*.c;*.h;*.cpp;*.rc\0"
    L"OS файлы (*.bat,*.log,*.ini)\0*.bat;*.log;*.ini\0";

// A file that cannot be opened: %1 its path, %2 the text limit in bytes.
inline constexpr wchar_t fileTooLargeText[] = L"%1\r\nФайл больше %2 байт, которые вмещает редактор.";
inline constexpr wchar_t folderNotFileText[] = L"%1\r\nЭто папка, а не файл.";

// Questions before a document is closed or saved: %1 its path.
inline constexpr wchar_t saveChangesQuestion[] = L"Сохранить %1?";
inline constexpr wchar_t readOnlyQuestion[] = L"%1: только для чтения!\rПерезаписать?";
inline constexpr wchar_t changedOnDiskQuestion[] =
    L"%1\r\nФайл изменён другой программой после того, как редактор его открыл или сохранил.\r\n"
    L"Записать этот текст поверх изменённого файла?";

// Where a failed save left a whole text: %1 that file's path.
inline constexpr wchar_t keptOldTextNote[] = L"Прежний текст файла сохранён в файле %1";
inline constexpr wchar_t keptNewTextNote[] = L"Весь текст сохранён в файле %1";
