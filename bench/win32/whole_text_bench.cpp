// Times every command that rewrites the whole text, and its undo, in the
// program's own windows on a file of Russian text (the opening and a save
// too): the command as the menu sends it, then the messages it left and the
// repaint. A thread samples the process's memory meanwhile, so each row has
// its own peak. Prints a table; not a test. With "view", times what a user
// waits for on a big file in the view the load guess chose instead: the open
// to the shown document, a keystroke and Ctrl+End at its end, and a find of
// the word planted 100 KB before the end.
//
//   whole-text-bench TEXT INSERTED   (scripts/bench-whole-text.sh makes both)
//   whole-text-bench view TEXT       (scripts/bench-whole-text.sh view: UTF-8 and Windows-1251)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "app/initialisation.h"
#include "app/menu_bar.h"
#include "app/window_classes.h"
#include "base/commands.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "base/wide_strings.h"
#include "bench_clock.h"
#include "codepages/code_pages.h"
#include "codepages/utf8_recoding.h"
#include "documents/document_insert.h"
#include "documents/document_load.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/view_format.h"
#include "search/search_commands.h"

namespace {

constexpr DWORD sampleMilliseconds = 1;
constexpr double goalSeconds = 1.5;
constexpr double goalTimesText = 4;
const char foundWord[] = "\xF7\xF2\xEE";                 // "что"
const char replacementWord[] = "\xEA\xEE\xE5-\xF7\xF2\xEE";  // "кое-что"
const char plantedWord[] = "\xE1\xE0\xF0\xEC\xE0\xE3\xEB\xEE\xF2\xE8\xF9\xE5";  // "бармаглотище", once in the text
constexpr int keystrokeRuns = 21;
constexpr int moveRuns = 5;

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

// The highest private bytes since the last Reset, sampled every millisecond by
// a thread of its own. (Wine counts a process's private bytes as its resident
// anonymous memory, and reports the current value as their peak too.)
class MemorySampler {
 public:
  MemorySampler() { thread_ = CreateThread(nullptr, 0, Sample, this, 0, nullptr); }
  ~MemorySampler() {
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  void Reset() {
    PROCESS_MEMORY_COUNTERS now = Memory();
    InterlockedExchange(&privatePeak_, static_cast<LONG>(now.PagefileUsage >> 10));
  }
  double PeakMegabytes() { return InterlockedCompareExchange(&privatePeak_, 0, 0) / 1024.0; }

 private:
  static DWORD WINAPI Sample(void* self) {
    auto* sampler = static_cast<MemorySampler*>(self);
    while (!InterlockedCompareExchange(&sampler->stop_, 0, 0)) {
      PROCESS_MEMORY_COUNTERS now = Memory();
      Raise(&sampler->privatePeak_, static_cast<LONG>(now.PagefileUsage >> 10));
      Sleep(sampleMilliseconds);
    }
    return 0;
  }
  static void Raise(volatile LONG* peak, LONG kilobytes) {
    for (LONG seen = *peak; kilobytes > seen; seen = *peak) InterlockedCompareExchange(peak, kilobytes, seen);
  }
  HANDLE thread_ = nullptr;
  volatile LONG stop_ = 0;
  volatile LONG privatePeak_ = 0;  // kilobytes: 32 bits hold 2 TB
};

void SendCommand(Command command) { SendMessageA(mainWindow, WM_COMMAND, static_cast<WPARAM>(Id(command)), 0); }

// What the message loop does after a command: the messages it posted, then the paint.
void Settle() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  RedrawWindow(mainWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool CreateProgramWindows() {
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);  // every setting at its default
  processHeap = GetProcessHeap();
  appInstance = GetModuleHandleA(nullptr);
  if (!RegisterWindowClasses(appInstance) || !CreateMainWindow(appInstance)) return false;
  BuildMenuBar();
  InitialiseSharedState(appInstance);
  ShowWindow(mainWindow, SW_SHOWNORMAL);
  Settle();
  return editorWindow != nullptr;
}

void Caret(Position at) { ControlEditor().SetSelection({at, at}); }
void CaretAtEnd() { Caret(ControlEditor().GetTextLength()); }

// Ctrl+A, Ctrl+C, Ctrl+End: the clipboard holds the whole text.
void CopyWholeText() {
  SendCommand(Command::SelectAll);
  SendCommand(Command::Copy);
  CaretAtEnd();
}

void PrepareReplaceAll() {
  Caret(0);
  SetPattern(searchState.searchPattern, foundWord);
  SetPattern(searchState.replacePattern, replacementWord);
  searchState.replaceMode = searchState.replaceAll = true;
  searchState.confirmReplace = false;
  searchState.searchPosition = 0;
}

struct Row {
  const char* name;
  std::function<void()> prepare;  // untimed: what the user does before the command
  std::function<void()> command;
};

class Table {
 public:
  explicit Table(double textMegabytes) : text_(textMegabytes) {
    std::printf("%-34s %8s %8s %10s %7s %10s\n", "command", "time ms", "cpu ms", "peak MB", "x text", "after MB");
  }
  void Run(const Row& row) {
    if (row.prepare) row.prepare();
    Settle();
    sampler_.Reset();
    double start = Now(), processorStart = CpuNow();
    row.command();
    Settle();
    double seconds = Now() - start, processor = CpuNow() - processorStart;
    double peak = sampler_.PeakMegabytes(), after = Memory().PagefileUsage / 1048576.0;
    bool over = seconds > goalSeconds || peak > goalTimesText * text_;
    std::printf("%-34s %8.0f %8.0f %10.0f %7.2f %10.0f%s\n", row.name, seconds * 1000, processor * 1000, peak,
                peak / text_, after, over ? "  over the goal" : "");
    std::fflush(stdout);
  }

 private:
  double text_;
  MemorySampler sampler_;
};

std::string FileBytes(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Key(WPARAM key, bool ctrl) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(state);
  SendMessageA(editorWindow, WM_KEYDOWN, key, 1);
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  UpdateWindow(editorWindow);
}

int RunView(const char* textPath) {
  if (!CreateProgramWindows()) return 1;
  double start = Now();
  LoadDocument(WideFromBytes(textPath, CP_ACP));
  Settle();
  double open = (Now() - start) * 1000;
  bool utf8 = viewCodePage == Utf8;
  std::string word;
  if (utf8) AppendPageAsUtf8(Ansi, plantedWord, word);
  else word = plantedWord;

  CaretAtEnd();
  Settle();
  double keystroke = Median(keystrokeRuns, [] {
    SendMessageA(editorWindow, WM_CHAR, 0xE0, 1);  // "а"
    UpdateWindow(editorWindow);
  });
  double ctrlEnd = Median(moveRuns, [] { Key(VK_HOME, true); }, [] { Key(VK_END, true); });
  Position found = -1;
  double find = Median(moveRuns, [&] {
    Caret(0);
    SetPattern(searchState.searchPattern, word);
    searchState.replaceMode = searchState.backwards = false;
    searchState.searchPosition = 0;
    Settle();
  }, [&] {
    SendCommand(Command::FindNext);
    UpdateWindow(editorWindow);
    found = ControlEditor().GetSelection().start;
  });
  Position length = ControlEditor().GetTextLength();
  std::printf("%.1f MB, %s view: open to the shown text %.0f ms, keystroke at the end %.2f ms, Ctrl+End %.2f ms, "
              "find of a word %.0f KB before the end %.1f ms\n",
              length / 1048576.0, utf8 ? "UTF-8" : "Windows-1251", open, keystroke, ctrlEnd,
              (length - found) / 1024.0, find);
  DestroyWindow(mainWindow);
  return found < 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "view") return RunView(argv[2]);
  if (argc != 3) {
    std::fprintf(stderr, "usage: whole-text-bench TEXT INSERTED\n");
    return 2;
  }
  const char* textPath = argv[1];
  const char* insertedPath = argv[2];
  // Read here only for its size and lines, and again at the end: the peaks are the program's alone.
  std::string text = FileBytes(textPath);
  double megabytes = text.size() / 1048576.0;
  auto lines = static_cast<long>(std::count(text.begin(), text.end(), '\n'));
  bool read = !text.empty();
  std::string().swap(text);
  if (!read || !CreateProgramWindows()) {
    std::fprintf(stderr, "whole-text-bench: no text in %s, or no program windows\n", textPath);
    return 1;
  }
  std::printf("%.1f MB of Russian text, %ld lines; %s inserted; goal: %.1f s and a peak of %.0f times the text\n\n",
              megabytes, lines, insertedPath, goalSeconds, goalTimesText);
  auto undo = [] { SendCommand(Command::Undo); };
  const Row rows[] = {
      {"open", nullptr, [&] { LoadDocument(WideFromBytes(textPath, CP_ACP)); SendCommand(Command::ViewAnsi); }},
      {"code-page chord Ctrl+W D", nullptr, [] { SendCommand(Command::ChordAnsi); SendCommand(Command::ChordOem); }},
      {"  undo", nullptr, undo},
      {"-> Fido", nullptr, [] { SendCommand(Command::Fido); }},
      {"  undo", nullptr, undo},
      {"-> Translit", nullptr, [] { SendCommand(Command::Translit); }},
      {"  undo", nullptr, undo},
      {"=XX decoding", nullptr, [] { SendCommand(Command::EqualsEscapes); }},
      {"  undo", nullptr, undo},
      {"line-break repair", nullptr, [] { SendCommand(Command::LineBreak); }},
      {"  undo", nullptr, undo},
      {"justify (Ctrl+A, Ctrl+J)", [] { SendCommand(Command::SelectAll); }, [] { SendCommand(Command::Justify); }},
      {"  undo", nullptr, undo},
      {"replace all (3 letters by 7)", PrepareReplaceAll, [] { SendCommand(Command::FindNext); }},
      {"  undo", nullptr, undo},
      {"paste of the whole text at its end", CopyWholeText, [] { SendCommand(Command::Paste); }},
      {"  undo", nullptr, undo},
      {"insert file at the end", CaretAtEnd, [&] { InsertFile(WideFromBytes(insertedPath, CP_ACP)); }},
      {"  undo", nullptr, undo},
      {"save (over the file opened)", nullptr, [] { SendCommand(Command::Save); }},
  };
  Table table(megabytes);
  for (const Row& row : rows) table.Run(row);
  PROCESS_MEMORY_COUNTERS end = Memory();
  std::printf("\npeak: private bytes while the command ran, sampled; after: private bytes once it ended\n"
              "the process's peak working set: %.0f MB (%.2f times the text)\n",
              end.PeakWorkingSetSize / 1048576.0, end.PeakWorkingSetSize / 1048576.0 / megabytes);
  bool restored = ControlEditor().GetWholeText() == FileBytes(textPath);
  std::printf("after the last undo the text is %s\n", restored ? "the original" : "NOT the original");
  DestroyWindow(mainWindow);
  return restored ? 0 : 1;
}
