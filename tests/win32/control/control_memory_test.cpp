// The document control running out of memory: every allocation a message
// makes is made to fail in turn. The message must leave the text as it was
// (and say so) or as it would have been, and the control must go on working.
#include <algorithm>
#include <functional>
#include <new>

#include "control_fixture.h"
#include "failing_allocator.h"

using failing_allocator::allocationsBeforeFailure;

namespace {

int spaceErrors = 0;  // EN_ERRSPACE notifications the parent got
WNDPROC staticProc = nullptr;

LRESULT CALLBACK CountingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_ERRSPACE) ++spaceErrors;
  return CallWindowProcA(staticProc, window, message, wParam, lParam);
}

TEST_F(ControlTest, AFailedAllocationLeavesTheTextAsBeforeAndReportedOrAsAfter) {
  staticProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingParent)));
  const std::string base = Lines(1500), big = Lines(2500);
  DWORD streamError = 0;
  LRESULT replaced = 1;  // EM_REPLACEBYTES's answer
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"EM_REPLACESEL", [&] { Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(big.c_str())); }},
      {"EM_REPLACEBYTES", [&] { replaced = Send(EM_REPLACEBYTES, big.size(), reinterpret_cast<LPARAM>(big.c_str())); }},
      {"WM_PASTE", [&] { Send(WM_PASTE); }},
      {"EM_STREAMIN into the selection", [&] { streamError = StreamIn(big, SF_TEXT | SFF_SELECTION); }},
      {"EM_STREAMIN of a whole text", [&] { streamError = StreamIn(big, SF_TEXT); }},
  };
  SetText(big);  // for WM_PASTE
  Select(0, static_cast<LONG>(big.size()));
  Send(WM_COPY);
  for (const auto& [name, run] : steps) {
    SCOPED_TRACE(name);
    SetText(base);
    Select(100, 9000);
    run();
    const std::string after = Text();
    ASSERT_NE(after, base);
    int reported = 0;
    for (long k = 0; k < 5000; ++k) {
      SetText(base);
      Select(100, 9000);
      spaceErrors = 0;
      streamError = 0;
      replaced = 1;
      allocationsBeforeFailure = k;
      run();
      bool reached = allocationsBeforeFailure < 0;
      allocationsBeforeFailure = -1;
      std::string now = Text();
      bool told = spaceErrors > 0 || streamError == ERROR_NOT_ENOUGH_MEMORY || replaced == ExchangeOutOfMemory;
      ASSERT_TRUE(now == after || (now == base && told)) << "allocation " << k;
      ASSERT_TRUE(now != after || replaced == 1) << "allocation " << k << ": the bytes went in";
      reported += told;
      if (!reached) break;
    }
    EXPECT_GT(reported, 0);
    // Still an editor: the line count follows the text, and typing goes in.
    Select(0, 0);
    Type("z");
    std::string text = Text();
    EXPECT_EQ(text.substr(0, 2), "zс");
    EXPECT_EQ(Send(EM_GETLINECOUNT), static_cast<LRESULT>(std::count(text.begin(), text.end(), '\n') + 1));
  }
}

}  // namespace
