# The two commands of the README: `make run` and `make test`. Each installs what is
# missing first. `make build` builds without running anything; `make dist` makes a release.
.PHONY: count-lines check-layers deps build build-native build-native32 build-windows build-fuzz run test test-native test-native32 test-windows test-fuzz fuzz dist clean

WINDOWS_PRESET := $(shell scripts/windows-preset.sh)

deps:
	@scripts/install-deps.sh

build: deps build-native build-windows

build-native:
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j2

# The shipped PE32 program is always built; the preset the host can run is built too.
build-windows:
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j2
	@if [ "$(WINDOWS_PRESET)" != win32 ]; then \
	  echo "This kernel runs no 32-bit code: Windows tests use the $(WINDOWS_PRESET) build of the same sources."; \
	  cmake --preset $(WINDOWS_PRESET) >/dev/null && cmake --build --preset $(WINDOWS_PRESET) -j2; fi

# The core's unit tests as 32-bit code, sizes computed as in the PE32; only `make test` needs them.
build-native32:
	@cmake --preset native32 >/dev/null
	@cmake --build --preset native32 -j2

# The core's fuzz targets (clang, libFuzzer); only `make test` and `make fuzz` need them.
build-fuzz:
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j2

run: build
	@scripts/run-editor.sh build/$(WINDOWS_PRESET)

test: check-layers build build-fuzz build-native32 test-native test-native32 test-windows test-fuzz count-lines

# Where the suite stands against the code, printed at the end of every run.
count-lines:
	@scripts/count-lines.py

# Every include runs down the layers of src/ (scripts/check-layers.py): a second, before any build.
check-layers:
	@scripts/check-layers.py

# ctest's summary, then the closing lines of each GoogleTest and unittest runner.
SUMMARY = grep -hE '^\[  (PASSED|FAILED) +\]|^\[==========\] [0-9]+ tests? from|^Ran [0-9]+ tests? in|^(OK|FAILED \(.*\))$$' $(1)/Testing/Temporary/LastTest.log || true

test-native:
	@ctest --preset native; status=$$?; $(call SUMMARY,build/native); exit $$status

# Directly where the kernel runs 32-bit code, else under qemu-i386 (scripts/run-i386.sh).
test-native32:
	@ctest --preset native32; status=$$?; $(call SUMMARY,build/native32); exit $$status

# Where the host runs no 32-bit code, the PE32 smoke suite and the release files'
# suite run on the shipped build too (the win32 preset's tests hold both).
test-windows:
	@scripts/check-program.sh build/win32/zorn2.exe
	@ctest --preset $(WINDOWS_PRESET); status=$$?; $(call SUMMARY,build/$(WINDOWS_PRESET)); \
	  if [ "$(WINDOWS_PRESET)" != win32 ]; then \
	    ctest --preset pe32-smoke || status=1; $(call SUMMARY,build/win32); \
	    ctest --preset dist || status=1; fi; \
	  exit $$status

# The release: dist/zorn2-VERSION-win32.zip and .msi of the shipped PE32, and SHA256SUMS.
dist: deps build-windows
	@scripts/dist.sh build/win32 dist

# Every fuzz target over its committed corpus, once: seconds, so the harnesses never rot.
test-fuzz:
	@ctest --preset fuzz

# Every fuzz target in turn for FUZZ_SECONDS (default 60); finds stay in build/fuzz.
FUZZ_SECONDS ?= 60
fuzz: deps build-fuzz
	@FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz.sh

clean:
	rm -rf build
