// The program's commands: the WM_COMMAND identifiers that the menus, the
// toolbar, the accelerators and the menu mnemonics send to the main window.
// The numbers are fixed: the stored toolbar keeps its buttons by them.
#pragma once

#include "base/view_code_pages.h"
#include "codepages/code_pages.h"

enum class Command : int {
  Cut = 1,
  Copy = 2,
  Paste = 3,
  Undo = 4,
  // 5 has no caption and no menu item.
  Delete = 6,
  New = 7,
  Open = 8,
  Save = 9,
  PrintPreview = 10,
  CharacterTable = 11,
  Help = 12,
  Find = 13,
  Replace = 14,
  Print = 15,
  ViewAnsi = 16,  // the single-byte view code pages, in CodePage order; ViewUtf8 stands apart
  ViewOem = 17,
  ViewKoi8 = 18,
  Justify = 19,  // the alignments
  Centre = 20,
  AlignLeft = 21,
  AlignRight = 22,
  PageNumbers = 23,
  PageSetup = 24,
  WordWrap = 25,
  SaveAs = 26,
  ChooseConversion = 27,
  FindNext = 28,
  RecodeToAnsi = 29,  // recodings from the view code page, in CodePage order
  RecodeToOem = 30,
  RecodeToKoi8 = 31,
  Fido = 32,
  Translit = 33,
  RtfToAnsi = 34,
  EqualsEscapes = 35,
  LineBreak = 36,
  Options = 37,
  InsertFrom = 38,
  DateTime = 39,
  AnsiFont = 40,  // the fonts of the single-byte view code pages, in CodePage order; Utf8Font apart
  OemFont = 41,
  Koi8Font = 42,
  PatchByte = 43,
  Exit = 44,
  CustomizeToolbar = 45,
  BackgroundColour = 46,
  TextColour = 47,
  SelectAll = 48,
  FontLarger = 49,
  FontSmaller = 50,
  About = 51,
  TagColour = 52,
  PaintTags = 53,
  HomePage = 54,
  MailAddress = 55,
  Associations = 56,
  ViewUtf8 = 57,
  Utf8Font = 58,      // the last one with a caption and a menu item
  ChordAnsi = 100,    // the code-page chord: Ctrl+W, Ctrl+D, Ctrl+K, Ctrl+U, in view order
  ChordOem = 101,
  ChordKoi8 = 102,
  ChordUtf8 = 103,
  Zoom = 300,         // F4: maximise or restore
  FirstRecent = 900,  // the recent files, in list order
};

constexpr int recentCommandCount = 10;

constexpr int Id(Command command) { return static_cast<int>(command); }
constexpr Command CommandFrom(int id) { return static_cast<Command>(id); }

// The recent-file item of list slot `slot`, and back; -1 for any other command.
constexpr Command RecentFileCommand(int slot) { return CommandFrom(Id(Command::FirstRecent) + slot); }
constexpr int RecentSlot(Command command) {
  int slot = Id(command) - Id(Command::FirstRecent);
  return slot >= 0 && slot < recentCommandCount ? slot : -1;
}

// The recodings, which run in CodePage order from RecodeToAnsi to RecodeToKoi8:
// the code page of `command`, and the command of `page`.
constexpr CodePage CodePageOf(Command first, Command command) {
  return static_cast<CodePage>(Id(command) - Id(first));
}
constexpr Command CommandFor(Command first, CodePage page) { return CommandFrom(Id(first) + page); }

// The groups of one command for each view code page: the single-byte ones in
// CodePage order from `first`, UTF-8's own `utf8` (a later number for the
// view and the font, the next one for the chord).
struct ViewGroup {
  Command first;
  Command utf8;
};
inline constexpr ViewGroup viewCommands{Command::ViewAnsi, Command::ViewUtf8};
inline constexpr ViewGroup fontCommands{Command::AnsiFont, Command::Utf8Font};
inline constexpr ViewGroup chordCommands{Command::ChordAnsi, Command::ChordUtf8};

// The command of view code page `page` in `group`.
constexpr Command CommandFor(ViewGroup group, CodePage page) {
  return page == Utf8 ? group.utf8 : CommandFor(group.first, page);
}

// The view code page of `command` in `group`; -1 when it is none of the group's.
constexpr int ViewCodePageOf(ViewGroup group, Command command) {
  if (command == group.utf8) return Utf8;
  int page = Id(command) - Id(group.first);
  return page >= Ansi && page <= Koi8 ? page : -1;
}
