// The program's windows with the menu font read, as start-up leaves them, and
// helpers for the recent-files list in the settings.
#pragma once
#include "program_windows.h"

class MenuWindows : public ProgramWindows {
 protected:
  static void SetUpTestSuite();
  void TearDown() override;

  // "LIST" = `order`, and "<digit>F" = the path of each digit in turn.
  static void SetRecentList(const char* order, std::initializer_list<const char*> paths);
};
