#include "base/command_captions.h"

const char* const menuCaptions[popupMenuCount] = {
    "&Файл", "&Правка", "&Выравнивание", "&Разное", "П&оиск", "&Кодировки", "Шр&ифт", "&?",
};

namespace {

constexpr Command lastCaptioned = Command::Utf8Font;

// Entry n is the caption of the command numbered n. In the view code pages,
// their fonts and PaintTags the letter after "&" is Cyrillic and the rest
// Latin, so the mnemonic is the Cyrillic key; UTF-8's are Latin throughout.
const char* const commandCaptions[Id(lastCaptioned) + 1] = {
    "",
    "&Вырезать",
    "&Копировать",
    "Вст&авить",
    "&Отменить",
    "",
    "&Удалить",
    "Созд&ать",
    "&Открыть...",
    "&Сохранить",
    "Пред&варительный просмотр...",
    "&Символ...",
    "&Справка",
    "&Найти...",
    "&Заменить...",
    "&Печать...",
    "&АNSI (1251)",
    "&ОEM (866)",
    "&КOI8 R",
    "По &ширине",
    "По &центру",
    "По &левому краю",
    "&По правому краю",
    "&Номер страницы...",
    "Пара&метры страницы...",
    "П&еренос по словам",
    "Сохранить &как...",
    "Выбор...",
    "Н&айти далее",
    "-> A&NSI",
    "-> O&EM",
    "-> KOI8",
    "-> Fido (H,p)",
    "-> Translit",
    "&RTF -> ANSI",
    "\"=D8=E0\"",
    "&Line Break",
    "П&араметры...",
    "&Вставить из...",
    "&Дата и время",
    "&АNSI...",
    "&ОEM...",
    "&КOI8...",
    "Заменить &байт...",
    "В&ыход",
    "Настройка &тулбара...",
    "Цвет &фона...",
    "Цвет &текста...",
    "В&ыделить все",
    "&Размер\t\t+",
    "Р&азмер\t\t-",
    "&О программе",
    "&Цвет <HTML>",
    "&НTML :(обновить)",
    "https://zorn2.example.org/",
    "mailto:zorn2@example.org",
    "&Расширения...",
    "&UTF-8",
    "&UTF-8...",
};

}  // namespace

const char* CommandCaption(Command command) {
  if (command < Command::Cut || command > lastCaptioned) return "";
  return commandCaptions[Id(command)];
}
