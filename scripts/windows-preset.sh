#!/usr/bin/env bash
# Prints the CMake preset whose zorn2.exe this host can run under Wine.
# The shipped program is PE32 (preset win32). Running it needs a kernel that
# executes 32-bit code; some hosts (kernels booted without IA-32 emulation)
# cannot, and there the same sources are built as PE32+ (preset win64) and
# tested under 64-bit Wine instead.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
