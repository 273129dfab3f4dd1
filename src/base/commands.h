// The program's commands: the WM_COMMAND identifiers that the menus, the
// toolbar, the accelerators and the menu mnemonics send to the main window.
// The numbers are fixed: the stored toolbar keeps its buttons by them.
#pragma once

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
  ViewAnsi = 16,  // the view code pages, in CodePage order
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
  AnsiFont = 40,  // the fonts of the view code pages, in CodePage order
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
  Associations = 56,  // the last one with a caption and a menu item
  ChordAnsi = 100,    // the code-page chord: Ctrl+W, Ctrl+D, Ctrl+K, in CodePage order
  ChordOem = 101,
  ChordKoi8 = 102,
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

// The groups that run in CodePage order (view, recode, font, chord), from
// their first command: the code page of `command`, and the command of `page`.
constexpr CodePage CodePageOf(Command first, Command command) {
  return static_cast<CodePage>(Id(command) - Id(first));
}
constexpr Command CommandFor(Command first, CodePage page) { return CommandFrom(Id(first) + page); }
