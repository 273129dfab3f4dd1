#include "test_printer.h"

#include <windows.h>
#include <winspool.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr char cupsPort[] = "CUPS:";

// Every printer Wine lists; the records point into `storage`.
std::vector<PRINTER_INFO_2A> LocalPrinters(std::vector<BYTE>& storage) {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  storage.assign(needed, 0);
  if (!needed || !EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, storage.data(), needed, &needed, &count)) return {};
  const auto* first = reinterpret_cast<const PRINTER_INFO_2A*>(storage.data());
  return {first, first + count};
}

}  // namespace

// The scripts that run Wine set CUPS_SERVER only while the private spooler's
// socket exists (cups-session.sh); Wine's printers on it sit on "CUPS:" ports.
TestPrinter FindTestPrinter() {
  const char* server = std::getenv("CUPS_SERVER");
  if (!server || !*server) {
    return {TestPrinterState::NoSpooler, "no private print spooler: scripts/cups-session.sh did not start one"};
  }
  char name[MAX_PATH] = {};
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) name[0] = '\0';
  std::vector<BYTE> storage;
  std::string seen;
  for (const PRINTER_INFO_2A& printer : LocalPrinters(storage)) {
    std::string port = printer.pPortName ? printer.pPortName : "";
    if (lstrcmpA(printer.pPrinterName, name) == 0 && port.rfind(cupsPort, 0) == 0) {
      return {TestPrinterState::Seen, name};
    }
    seen += std::string(seen.empty() ? "" : ", ") + printer.pPrinterName + " on " + port;
  }
  return {TestPrinterState::Unseen,
          std::string("the private print spooler runs (CUPS_SERVER=") + server +
              ") but Wine's default printer is not on it; Wine lists " + (seen.empty() ? "no printer" : seen) +
              " (default: \"" + name + "\"). A 32-bit Wine reaches CUPS through the 32-bit libcups "
              "(libcups2:i386, scripts/install-deps.sh)."};
}
