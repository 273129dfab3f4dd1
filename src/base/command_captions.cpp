#include "base/command_captions.h"

const wchar_t* const menuCaptions[popupMenuCount] = {
    L"&Файл", L"&Правка", L"&Выравнивание", L"&Разное", L"П&оиск", L"&Кодировки", L"Шр&ифт", L"&?",
};

namespace {

constexpr Command lastCaptioned = Command::Utf8Font;

// Entry n is the caption of the command numbered n. In the view code pages,
// their fonts and PaintTags the letter after "&" is Cyrillic and the rest
// Latin, so the mnemonic is the Cyrillic key; UTF-8's are Latin throughout.
const wchar_t* const commandCaptions[Id(lastCaptioned) + 1] = {
    L"",
    L"&Вырезать",
    L"&Копировать",
    L"Вст&авить",
    L"&Отменить",
    L"",
    L"&Удалить",
    L"Созд&ать",
    L"&Открыть...",
    L"&Сохранить",
    L"Пред&варительный просмотр...",
    L"&Символ...",
    L"&Справка",
    L"&Найти...",
    L"&Заменить...",
    L"&Печать...",
    L"&АNSI (1251)",
    L"&ОEM (866)",
    L"&КOI8 R",
    L"По &ширине",
    L"По &центру",
    L"По &левому краю",
    L"&По правому краю",
    L"&Номер страницы...",
    L"Пара&метры страницы...",
    L"П&еренос по словам",
    L"Сохранить &как...",
    L"Выбор...",
    L"Н&айти далее",
    L"-> A&NSI",
    L"-> O&EM",
    L"-> KOI8",
    L"-> Fido (H,p)",
    L"-> Translit",
    L"&RTF -> ANSI",
    L"\"=D8=E0\"",
    L"&Line Break",
    L"П&араметры...",
    L"&Вставить из...",
    L"&Дата и время",
    L"&АNSI...",
    L"&ОEM...",
    L"&КOI8...",
    L"Заменить &байт...",
    L"В&ыход",
    L"Настройка &тулбара...",
    L"Цвет &фона...",
    L"Цвет &текста...",
    L"В&ыделить все",
    L"&Размер\t\t+",
    L"Р&азмер\t\t-",
    L"&О программе",
    L"&Цвет <HTML>",
    L"&НTML :(обновить)",
    L"https://zorn2.example.org/",
    L"mailto:zorn2@example.org",
    L"&Расширения...",
    L"&UTF-8",
    L"&UTF-8...",
};

}  // namespace

const wchar_t* CommandCaption(Command command) {
  if (command < Command::Cut || command > lastCaptioned) return L"";
  return commandCaptions[Id(command)];
}
