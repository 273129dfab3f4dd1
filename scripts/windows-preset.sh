#!/usr/bin/env bash
# Prints the CMake preset whose zorn2.exe this host can run under Wine.
# The shipped program is PE32 (preset win32). Running it needs a kernel that
# executes 32-bit code; some hosts (kernels booted without IA-32 emulation)
# cannot, and there the same sources are built as PE32+ (preset win64) and
# tested under 64-bit Wine instead.
#
# Whether /usr/lib/wine/wine starts tells nothing once an emulator is registered
# for i386 files in binfmt_misc (as the PE32 smoke suite does), so the kernel is
# asked itself: a 32-bit system call (int 0x80) from 64-bit code returns only
# where the kernel runs 32-bit code, and kills the process elsewhere.
# The subshell, not this one, reports the crash (to /dev/null).
if (python3 - <<'PYTHON'; exit $?) 2>/dev/null; then echo win32; else echo win64; fi
import ctypes, mmap, os
code = bytes([0xB8, 20, 0, 0, 0,  # mov eax, 20: getpid in the 32-bit table
              0xCD, 0x80,         # int 0x80
              0xC3])              # ret
memory = mmap.mmap(-1, mmap.PAGESIZE, prot=mmap.PROT_READ | mmap.PROT_WRITE | mmap.PROT_EXEC)
memory.write(code)
call = ctypes.CFUNCTYPE(ctypes.c_long)(ctypes.addressof(ctypes.c_char.from_buffer(memory)))
raise SystemExit(call() != os.getpid())
PYTHON
