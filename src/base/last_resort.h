// No exception may unwind out of a window, dialog or hook procedure into the
// system's code that called it. Each procedure runs its body through
// Guarded: running out of memory is told to the user, anything else is
// reported as the system's internal error, and the message gets `failed`.
#pragma once
#include <windows.h>

#include <new>
#include <stdexcept>

#include "base/error_box.h"

template <class Body>
auto Guarded(Body body, decltype(body()) failed) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory();
  } catch (const std::length_error&) {  // more than a container holds: in 32 bits, memory too
    ReportOutOfMemory();
  } catch (...) {
    SetLastError(ERROR_INTERNAL_ERROR);
    ShowLastError();
  }
  return failed;
}
