// A document control in a visible top-level window, as the program creates its
// editor, with helpers that drive it by messages.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "conversion/code_pages.h"
#include "editor/control/document_control.h"

// The styles the program creates its editor with; word wrap off adds these.
inline constexpr DWORD EditorStyle = WS_CHILD | WS_VISIBLE | ES_SELECTIONBAR | WS_VSCROLL | ES_AUTOVSCROLL |
                                     ES_NOOLEDRAGDROP | ES_MULTILINE;
inline constexpr DWORD NoWrapStyle = WS_HSCROLL | ES_AUTOHSCROLL;

class ControlTest : public ::testing::Test {
 public:
  void SetUp() override { Create(EditorStyle); }
  void TearDown() override {
    if (parent) DestroyWindow(parent);
  }

  void Create(DWORD style, int width = 400, int height = 300) {
    if (parent) DestroyWindow(parent);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterDocumentControlClass(instance));
    parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, width + 40, height + 40, nullptr, nullptr,
                             instance, nullptr);
    ASSERT_NE(parent, nullptr);
    control = CreateWindowExA(WS_EX_STATICEDGE | WS_EX_ACCEPTFILES, documentControlClassName, "", style, 0, 0, width,
                              height, parent, nullptr, instance, nullptr);
    ASSERT_NE(control, nullptr);
    Send(EM_EXLIMITTEXT, 0, 0x7FFFFFF);
  }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageA(control, message, wParam, lParam); }

  void SetText(const std::string& text) {
    // WM_SETTEXT stops at a zero byte; stream the bytes in to keep every one.
    struct Source {
      const std::string* text;
      std::size_t at;
    } source{&text, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0,
                      [](DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) -> DWORD {
                        auto* s = reinterpret_cast<Source*>(cookie);
                        std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), s->text->size() - s->at);
                        memcpy(buffer, s->text->data() + s->at, n);
                        s->at += n;
                        *done = static_cast<LONG>(n);
                        return 0;
                      }};
    Send(EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    ASSERT_EQ(stream.dwError, 0u);
  }

  std::string Text() {
    std::string text(static_cast<std::size_t>(Send(WM_GETTEXTLENGTH)) + 1, '\0');
    LRESULT n = Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n));
    return text;
  }

  CHARRANGE Selection() {
    CHARRANGE range{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
  }
  void Select(LONG start, LONG end) {
    CHARRANGE range{start, end};
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }

  HWND parent = nullptr;
  HWND control = nullptr;
};
