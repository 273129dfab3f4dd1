// Times the document control on a huge text under Wine or Windows: stream-in
// of 100 MB to the first complete paint, one keystroke, Ctrl+End and a few
// other moves, with and without word wrap; then the search through the
// control's messages. Prints its numbers; not a test.
//
//   control-bench [megabytes] [search | tags | utf8]
#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../html_text.h"
#include "bench_clock.h"
#include "codepages/utf8_recoding.h"
#include "control/document_control.h"
#include "conversion_dialogs/colour_commands.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "search/search_engine.h"

namespace {

// Windows-1251 text: lines of words, or long paragraphs of them.
std::string MakeText(std::size_t size, int wordsPerLine) {
  static const char* const words[] = {"\xEC\xE8\xF0", "\xE4\xEE\xEC", "\xEA\xEE\xF8\xEA\xE0", "\xE8",
                                      "\xE4\xF0\xF3\xE3\xE8\xE5", "\xF1\xEB\xEE\xE2\xE0", "text", "1998"};
  std::string text;
  text.reserve(size + 4096);
  unsigned seed = 12345;
  while (text.size() < size) {
    for (int w = 0; w < wordsPerLine && text.size() < size; ++w) {
      seed = seed * 1103515245 + 12345;
      text += words[(seed >> 16) % 8];
      text += w + 1 < wordsPerLine ? " " : "\r\n";
    }
  }
  text.resize(size);
  return text;
}

struct Source {
  const std::string* text;
  std::size_t at;
};

DWORD CALLBACK Feed(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* source = reinterpret_cast<Source*>(cookie);
  std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), source->text->size() - source->at);
  memcpy(buffer, source->text->data() + source->at, n);
  source->at += n;
  *done = static_cast<LONG>(n);
  return 0;
}

void SetKeys(bool ctrl) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
}

// What the message loop would do next: paint what the control invalidated.
void Paint(HWND window) { UpdateWindow(window); }
void RepaintAll(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

double MegabytesInUse() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PagefileUsage) / (1 << 20);
}

void Run(const char* name, const std::string& text, DWORD extraStyle, CodePage view = Ansi) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 820, 640, nullptr, nullptr, instance, nullptr);
  DWORD style = WS_CHILD | WS_VISIBLE | ES_SELECTIONBAR | WS_VSCROLL | ES_AUTOVSCROLL | ES_NOOLEDRAGDROP | ES_MULTILINE;
  HWND control = CreateWindowExA(WS_EX_STATICEDGE, documentControlClassName, "", style | extraStyle, 0, 0, 800, 600,
                                 parent, nullptr, instance, nullptr);
  SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageA(control, EM_SETVIEWCODEPAGE, view, 0);
  SetFocus(control);
  RepaintAll(control);
  double memoryBefore = MegabytesInUse();

  Source source{&text, 0};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, Feed};
  double start = Now();
  SendMessageA(control, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  double streamed = Now();
  Paint(control);
  double painted = Now();

  auto key = [&](WPARAM vk, bool ctrl) {
    SetKeys(ctrl);
    SendMessageA(control, WM_KEYDOWN, vk, 1);
    SetKeys(false);
    Paint(control);
  };
  CHARRANGE middle{static_cast<LONG>(text.size() / 2), static_cast<LONG>(text.size() / 2)};
  SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&middle));
  Paint(control);
  double keystroke = Median(21, [&] {
    SendMessageA(control, WM_CHAR, 0xE0, 1);
    Paint(control);
  });
  double backspace = Median(21, [&] { key(VK_BACK, false); });
  double ctrlEnd = Median(5, [&] { key(VK_HOME, true); }, [&] { key(VK_END, true); });
  double ctrlHome = Median(5, [&] { key(VK_END, true); }, [&] { key(VK_HOME, true); });
  SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&middle));
  Paint(control);
  double pageDown = Median(11, [&] { key(VK_NEXT, false); });
  double lineDown = Median(11, [&] { key(VK_DOWN, false); });
  auto bar = [&](WPARAM request) {
    SendMessageA(control, WM_VSCROLL, request, 0);
    Paint(control);
  };
  double thumb = Median(5, [&] { bar(SB_BOTTOM); }, [&] { bar(SB_TOP); });
  double paintOnly = Median(11, [&] { RepaintAll(control); });
  double typeOnly = Median(21, [&] { SendMessageA(control, WM_CHAR, 0xE0, 1); });
  Paint(control);
  SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&middle));
  double firstLine = Median(5, [&] { SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0); });
  double memoryAfter = MegabytesInUse();

  std::printf("%-22s %7.1f MB  stream-in %7.1f ms  first paint %6.1f ms  (together %7.1f ms)\n", name,
              text.size() / 1048576.0, (streamed - start) * 1000, (painted - streamed) * 1000, (painted - start) * 1000);
  std::printf("%-22s keystroke %6.2f ms  backspace %6.2f ms  Ctrl+End %6.2f ms  Ctrl+Home %6.2f ms\n", "",
              keystroke, backspace, ctrlEnd, ctrlHome);
  std::printf("%-22s Page Down %6.2f ms  Down %6.2f ms  scroll bar bottom to top %6.2f ms  EM_GETFIRSTVISIBLELINE %6.3f ms\n",
              "", pageDown, lineDown, thumb, firstLine);
  std::printf("%-22s a whole repaint %6.2f ms, a keystroke without its repaint %6.3f ms\n", "", paintOnly, typeOnly);
  std::printf("%-22s memory %.0f MB more with the text (%.2f times its size)\n\n", "", memoryAfter - memoryBefore,
              (memoryAfter - memoryBefore) / (text.size() / 1048576.0));
  DestroyWindow(parent);
}

struct NoQuestions final : SearchHost {
  int ConfirmReplace() override { return ReplaceAll; }
  bool RecordSnapshot() override {
    snapshot = ControlEditor().GetWholeText();  // what the journal copies
    return true;
  }
  void RunOutOfMemory() override {}
  void ReportRefusedReplace() override {}
  void ReplacingUnasked() override { SendMessageA(editorWindow, WM_SETREDRAW, FALSE, 0); }  // as the program does
  bool RecordHandOver() override { return true; }
  void KeepReplacedText(TextStorage&& replaced) override { handedOver = std::move(replaced); }  // what the journal keeps
  void WithdrawHandOver() override {}
  std::string snapshot;
  TextStorage handedOver;
};

// The program's editor in a window of its own; returns that window.
HWND CreateBenchEditor() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 820, 640, nullptr, nullptr, instance, nullptr);
  editorWindow = CreateWindowExA(0, documentControlClassName, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE,
                                 0, 0, 800, 600, parent, nullptr, instance, nullptr);
  SendMessageA(editorWindow, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  return parent;
}

// Find next and find previous of a word near the far end, and replace all of
// a word planted every `spacing` bytes, by the program's search steps; then
// the far find again in the UTF-8 view.
void RunSearch(std::size_t size) {
  HWND parent = CreateBenchEditor();
  ControlEditor editor;
  NoQuestions host;
  const std::string farWord = "\xEF\xEE\xF1\xEB\xE5\xE4\xED\xE8\xE9";  // "последний"
  std::string text = MakeText(size, 10);
  text.replace(text.size() - 100000, farWord.size(), farWord);
  editor.ReplaceWholeText(text);
  auto step = [&](const std::string& pattern, bool backwards) {
    SearchState state;
    SetPattern(state.searchPattern, pattern);
    state.backwards = backwards;
    Position caret = backwards ? editor.GetTextLength() : 0;
    editor.SetSelection({caret, caret});
    double start = Now();
    StartSearch(state, editor, host);
    return (Now() - start) * 1000;
  };
  std::printf("search %.0f MB: find next of a word 100 KB before the end %.1f ms, find previous %.2f ms\n",
              size / 1048576.0, step(farWord, false), step(farWord, true));

  const std::size_t spacing = 524;  // 100 000 matches in 50 MB
  text = MakeText(size / 2, 10);
  for (std::size_t at = spacing; at + 8 < text.size(); at += spacing) text.replace(at, 4, "\xF9\xF3\xEA\xE0");  // "щука"
  editor.ReplaceWholeText(text);
  editor.SetSelection({0, 0});
  SearchState state;
  SetPattern(state.searchPattern, "\xF9\xF3\xEA\xE0");
  SetPattern(state.replacePattern, "\xC2\xF1\xE5");  // "Все"
  state.replaceMode = state.replaceAll = true;
  state.confirmReplace = false;
  double memoryBefore = MegabytesInUse();
  double start = Now(), cpuStart = CpuNow();
  StartSearch(state, editor, host);
  SendMessageA(editorWindow, WM_SETREDRAW, TRUE, 0);
  double took = (Now() - start) * 1000, cpu = (CpuNow() - cpuStart) * 1000;
  std::printf("replace all of %zu matches in %.0f MB: %.0f ms (processor %.0f ms), %.0f MB more afterwards, snapshot included (%.2f times the text)\n",
              text.size() / spacing, text.size() / 1048576.0, took, cpu, MegabytesInUse() - memoryBefore,
              (MegabytesInUse() - memoryBefore) / (text.size() / 1048576.0));
  text = std::string();
  // Last, so that replace all runs as it always has: the same words as UTF-8 in the UTF-8
  // view (about as many bytes), the word sought in capitals.
  host.snapshot = std::string();
  std::string utf8, utf8Word, capitals;
  AppendPageAsUtf8(Ansi, MakeText(size / 8 * 5, 10), utf8);
  AppendPageAsUtf8(Ansi, farWord, utf8Word);
  AppendPageAsUtf8(Ansi, "\xCF\xCE\xD1\xCB\xC5\xC4\xCD\xC8\xC9", capitals);  // "ПОСЛЕДНИЙ"
  utf8.replace(utf8.size() - 100000, utf8Word.size(), utf8Word);
  SendMessageA(editorWindow, EM_SETVIEWCODEPAGE, Utf8, 0);
  editor.ReplaceWholeText(utf8);
  std::printf("search %.0f MB in the UTF-8 view: find next of the word in capitals %.1f ms, find previous %.2f ms\n",
              utf8.size() / 1048576.0, step(capitals, false), step(capitals, true));
  DestroyWindow(parent);
  editorWindow = nullptr;
}

// Ctrl+H on an HTML text of `size` bytes: the command as the program runs it,
// then the first complete paint.
void RunTags(std::size_t size) {
  HWND parent = CreateBenchEditor();
  ControlEditor editor;
  editor.ReplaceWholeText(HtmlText(size));
  Paint(editorWindow);
  for (int round = 0; round < 3; ++round) {
    double start = Now(), cpuStart = CpuNow();
    PaintHtmlTags();
    double command = (Now() - start) * 1000;
    Paint(editorWindow);
    std::printf("tags of %.0f MB HTML: command %.0f ms (processor %.0f ms), with the paint %.0f ms\n",
                size / 1048576.0, command, (CpuNow() - cpuStart) * 1000, (Now() - start) * 1000);
  }
  DestroyWindow(parent);
  editorWindow = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t megabytes = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 100;
  if (megabytes == 0) megabytes = 100;
  if (!RegisterDocumentControlClass(GetModuleHandleA(nullptr))) return 1;
  std::size_t size = megabytes << 20;
  if (argc > 2 && std::string(argv[2]) == "tags") {  // control-bench 10 tags: Ctrl+H alone
    RunTags(size);
    return 0;
  }
  if (argc > 2 && std::string(argv[2]) == "utf8") {  // control-bench 100 utf8: the same text in both views
    for (int words : {10, 0x7FFFFFFF}) {
      std::string text = MakeText(size, words), utf8;
      AppendPageAsUtf8(Ansi, text, utf8);
      const char* lines = words == 10 ? "short lines" : "one line";
      for (DWORD style : {DWORD{0}, DWORD{WS_HSCROLL | ES_AUTOHSCROLL}}) {
        std::string name = std::string(lines) + (style ? ", no wrap" : ", wrap");
        Run((name + ", 1251").c_str(), text, style);
        Run((name + ", UTF-8").c_str(), utf8, style, Utf8);
      }
    }
    return 0;
  }
  if (argc > 2 && std::string(argv[2]) == "search") {  // control-bench 100 search: the search alone
    RunSearch(size);
    return 0;
  }
  Run("short lines, wrap", MakeText(size, 10), 0);
  Run("short lines, no wrap", MakeText(size, 10), WS_HSCROLL | ES_AUTOHSCROLL);
  Run("paragraphs, wrap", MakeText(size, 400), 0);
  // One line of the whole size: rows of one wrapped segment, x from the nearest mark.
  Run("one line, wrap", MakeText(size, 0x7FFFFFFF), 0);
  Run("one line, no wrap", MakeText(size, 0x7FFFFFFF), WS_HSCROLL | ES_AUTOHSCROLL);
  RunSearch(size);
  return 0;
}
