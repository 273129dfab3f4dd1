#include "base/status_reports.h"

namespace {

StatusReceiver statusReceiver;

}  // namespace

void SetStatusReceiver(StatusReceiver receiver) { statusReceiver = receiver; }

bool StatusBarShown() { return statusReceiver != nullptr; }

void ReportStatus(StatusPane pane, const wchar_t* text) {
  if (statusReceiver) statusReceiver(pane, text);
}
