// Whether the print tests can run: the one check that both the in-process
// print tests and the end-to-end suite (through printer-probe.exe) make.
#pragma once
#include <string>

enum class TestPrinterState {
  Seen,        // the private spooler runs and Wine's default printer is its queue
  NoSpooler,   // no private spooler: the print tests are skipped
  Unseen,      // the spooler runs but Wine has no printer on it: a broken setup
};

struct TestPrinter {
  TestPrinterState state;
  std::string account;  // the printer's name, or why there is none
};

TestPrinter FindTestPrinter();
