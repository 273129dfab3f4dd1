// A document control in a visible top-level window, as the program creates its
// editor, with helpers that drive it by messages.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "codepages/code_pages.h"
#include "control/document_control.h"
#include "key_presses.h"

// The styles the program creates its editor with (word wrap on).
inline constexpr DWORD EditorStyle = WS_CHILD | WS_VISIBLE | ES_SELECTIONBAR | WS_VSCROLL | ES_AUTOVSCROLL |
                                     ES_NOOLEDRAGDROP | ES_MULTILINE;

inline std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "строка " + std::to_string(i) + "\r\n";
  return text;
}

// Hands out the bytes left in a string_view in pieces of at most 1000.
inline DWORD CALLBACK Feed(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* rest = reinterpret_cast<std::string_view*>(cookie);
  std::size_t n = std::min<std::size_t>({static_cast<std::size_t>(size), 1000, rest->size()});
  memcpy(buffer, rest->data(), n);
  rest->remove_prefix(n);
  *done = static_cast<LONG>(n);
  return 0;
}

// A control's whole text, zero bytes included, and its selection.
inline std::string TextOf(HWND control) {
  std::string text(static_cast<std::size_t>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}
inline CHARRANGE SelectionOf(HWND control) {
  CHARRANGE range{};
  SendMessageA(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

class ControlTest : public ::testing::Test {
 public:
  void SetUp() override { Create(EditorStyle); }
  void TearDown() override {
    if (parent) DestroyWindow(parent);
  }

  void Create(DWORD style) {
    if (parent) DestroyWindow(parent);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterDocumentControlClass(instance));
    parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 440, 340, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(parent, nullptr);
    control = CreateWindowExA(WS_EX_STATICEDGE | WS_EX_ACCEPTFILES, documentControlClassName, "", style, 0, 0, 400,
                              300, parent, nullptr, instance, nullptr);
    ASSERT_NE(control, nullptr);
    Send(EM_EXLIMITTEXT, 0, 0x7FFFFFF);
  }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageA(control, message, wParam, lParam); }

  // WM_SETTEXT stops at a zero byte; streaming keeps every byte.
  void SetText(const std::string& text) { ASSERT_EQ(StreamIn(text, SF_TEXT), 0u); }
  DWORD StreamIn(const std::string& bytes, WPARAM format) {
    std::string_view rest = bytes;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rest), 0, Feed};
    Send(EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError;
  }

  std::string Text() { return TextOf(control); }
  CHARRANGE Selection() { return SelectionOf(control); }
  std::pair<int, int> Selected() { return {Selection().cpMin, Selection().cpMax}; }
  void Select(LONG start, LONG end) {
    CHARRANGE range{start, end};
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }

  // Keys as the control sees them: WM_KEYDOWN with Shift or Ctrl held in the
  // thread's key state.
  void Key(WPARAM key, bool shift = false, bool ctrl = false) {
    HoldModifiers((shift ? Shift : Plain) | (ctrl ? Ctrl : Plain));
    Send(WM_KEYDOWN, key, 1);
    HoldModifiers(Plain);
  }
  void Type(const std::string& bytes) {
    for (char c : bytes) Send(WM_CHAR, static_cast<unsigned char>(c), 1);
  }

  // Where a position is drawn, and clicks there.
  POINT PointOf(LONG position) {
    POINTL point{};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), position);
    return {point.x, point.y};
  }
  void Click(POINT point) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }

  LONG CaretLine() { return static_cast<LONG>(Send(EM_EXLINEFROMCHAR, 0, Selection().cpMax)); }
  LONG FirstVisible() { return static_cast<LONG>(Send(EM_GETFIRSTVISIBLELINE)); }

  HWND parent = nullptr;
  HWND control = nullptr;
};
