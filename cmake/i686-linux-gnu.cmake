# 32-bit Linux code from the host's own compiler (-m32, Debian's g++-multilib):
# the portable core's unit tests computing as the shipped PE32 does, with a
# size_t that wraps at 4 GB. They run directly where the kernel runs 32-bit
# code, else under qemu-i386 (scripts/run-i386.sh decides).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
# SSE2 as the shipped PE32 is built, so the same scans are tested.
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/run-i386.sh")
