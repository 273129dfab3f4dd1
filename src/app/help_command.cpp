#include "app/help_command.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "base/globals.h"
#include "base/program_path.h"

namespace {

const char helpText[] =
    "ZORN2 — редактор текстов в кодировках Windows-1251, DOS-866, KOI8-R и UTF-8.\r\n"
    "\r\n"
    "Просмотр. F2 — показать текст как ANSI (1251), Ctrl+F2 — как OEM (866),\r\n"
    "Alt+F2 — как KOI8-R, Shift+F2 — как UTF-8. Байты файла при этом не меняются.\r\n"
    "\r\n"
    "Перекодировка. Ctrl+W, Ctrl+D, Ctrl+K или Ctrl+U, а затем ещё одна из этих\r\n"
    "клавиш: первая называет исходную кодировку, вторая — нужную (W — 1251,\r\n"
    "D — 866, K — KOI8-R, U — UTF-8), Ctrl держите нажатой. Без выделения\r\n"
    "перекодируется весь текст, с выделением — только оно. Дважды одна и та же\r\n"
    "клавиша (Ctrl+U, Ctrl+U) только переключает просмотр. Символ, которого нет\r\n"
    "в однобайтовой кодировке, становится похожим знаком или «?», а программа\r\n"
    "скажет, сколько таких было.\r\n"
    "Меню «Кодировки» переводит текст также в Fido и в транслит.\r\n"
    "\r\n"
    "Правка. Ctrl+Z или Alt+Backspace — отменить, Ctrl+Y — удалить строку,\r\n"
    "Ctrl+Delete и Ctrl+Backspace — удалить слово, Insert — вставка или замена.\r\n"
    "Ctrl+J, Ctrl+E, Ctrl+L, Ctrl+R — выровнять абзац по ширине, по центру,\r\n"
    "по левому и по правому краю.\r\n"
    "\r\n"
    "Шрифт. Ctrl+плюс и Ctrl+минус меняют размер шрифта текущей кодировки.\r\n"
    "F4 разворачивает окно и возвращает его обратно, Esc закрывает программу.\r\n"
    "\r\n"
    "Файл сохраняется ровно теми байтами, что в нём есть: программа ничего\r\n"
    "не добавляет и не перекодирует сама.";

// A file beside the program, by its path relative to the program's folder; empty when it is not there.
std::wstring FileBesideProgram(const wchar_t* relative) {
  std::wstring path = ProgramPath();
  std::size_t folder = path.rfind(L'\\');
  if (folder == std::wstring::npos) return {};
  path.replace(folder + 1, std::wstring::npos, relative);
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ? path : std::wstring();
}

// The help file is named after the window class.
bool ShowHelpFile() {
  return !FileBesideProgram(L"ZORN2.HLP").empty() && WinHelpW(mainWindow, L"ZORN2", HELP_INDEX, 0);
}

// The user's guide the packages install beside the program, in the default browser.
bool ShowGuide() {
  std::wstring guide = FileBesideProgram(L"help\\zorn2.html");
  return !guide.empty() &&
         reinterpret_cast<INT_PTR>(ShellExecuteW(mainWindow, L"open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

}  // namespace

const char* HelpText() { return helpText; }

void ShowHelp() {
  if (ShowHelpFile() || ShowGuide()) return;
  MessageBoxA(mainWindow, helpText, mainClassName, MB_OK | MB_ICONINFORMATION);
}
