// The box shown while pages go to the printer or are counted: modeless, with a
// Cancel button, the main window disabled behind it and its messages still run
// between pages, so the window never stops answering during a long job.
#pragma once
#include <windows.h>

class PrintProgress {
 public:
  // Shows the box, disables the main window and sets the printer's abort
  // procedure (for drivers that call it while spooling).
  explicit PrintProgress(HDC printer);
  // Enables the main window again, whatever ended the job: finished, cancelled,
  // failed or an exception.
  ~PrintProgress();
  PrintProgress(const PrintProgress&) = delete;
  PrintProgress& operator=(const PrintProgress&) = delete;

  // True while a box is up: no second job starts while one runs.
  static bool Running();
  // Stops the running job after its current page, as the box's Cancel does.
  static void Cancel();

  void ShowPage(unsigned page);
  // Runs the waiting messages; false once the user has cancelled (Cancel, Esc,
  // or the program was asked to quit).
  bool Continue();
};
