#include "app/startup.h"

#include <ole2.h>

#include "app/accelerators.h"
#include "app/initialisation.h"
#include "app/menu_bar.h"
#include "app/message_loop.h"
#include "app/shutdown.h"
#include "app/start_arguments.h"
#include "app/window_classes.h"
#include "app/window_placement.h"
#include "base/commands.h"
#include "base/globals.h"
#include "base/running_instance.h"
#include "base/settings_store.h"
#include "base/start_trace.h"
#include "documents/document_load.h"

namespace {

// Started minimised or maximised by its caller, the window keeps that state
// and its placement is neither restored nor saved.
int PlaceMainWindow() {
  rememberPlacement = ReadSettingDword("AU", 1) != 0;
  int show = StartupShowCommand();
  placementActive = rememberPlacement && (show == SW_SHOWDEFAULT || show == SW_SHOWNORMAL);
  if (placementActive) RestoreWindowPlacement(&show);
  return show;
}

}  // namespace

int StartupShowCommand() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

int RunZorn2(HINSTANCE instance) {
  BeginStartTrace();
  processHeap = GetProcessHeap();
  appInstance = instance;
  const StartArguments arguments = ReadStartArguments();
  // The window that shows the file already takes the print request too.
  auto request = arguments.printOnStart ? InstanceRequest::Print : InstanceRequest::Show;
  if (!arguments.path.empty() && FindRunningInstance(arguments.path, request)) return 255;
  if (!RegisterWindowClasses(instance) || !CreateMainWindow(instance)) return 255;
  TraceStartStep("main window created");
  BuildMenuBar();
  TraceStartStep("menu bar");
  rememberCaret = ReadSettingDword("RP", 1) != 0;
  // Drag and drop of text needs OLE in this thread before the editor exists.
  bool oleReady = SUCCEEDED(OleInitialize(nullptr));
  TraceStartStep("OLE");
  InitialiseSharedState(instance);
  TraceStartStep("editor, status bar, toolbar");
  int show = PlaceMainWindow();
  ReadMenuMetrics();
  TraceStartStep("placement, menu metrics");
  LoadDocument(arguments.path);
  if (arguments.printOnStart) PostMessageA(mainWindow, WM_COMMAND, Id(Command::Print), 0);
  ShowWindow(mainWindow, show);
  TraceStartStep("shown");
  UpdateWindow(mainWindow);
  TraceStartStep("painted");
  accelerators = CreateAccelerators();
  int exitCode = RunMessageLoop();
  ReleaseGdiObjects();
  if (oleReady) OleUninitialize();
  return exitCode;
}
