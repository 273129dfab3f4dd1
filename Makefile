# The two commands of the README: `make run` and `make test`. Each installs what is
# missing first. `make build` builds without running anything.
.PHONY: deps build build-native build-windows run test test-native test-windows clean

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

run: build
	@scripts/run-editor.sh build/$(WINDOWS_PRESET)

test: build test-native test-windows

# ctest's summary, then the closing lines of each GoogleTest and unittest runner.
SUMMARY = grep -hE '^\[  (PASSED|FAILED) +\]|^\[==========\] [0-9]+ tests? from|^Ran [0-9]+ tests? in|^(OK|FAILED \(.*\))$$' $(1)/Testing/Temporary/LastTest.log || true

test-native:
	@ctest --preset native; status=$$?; $(call SUMMARY,build/native); exit $$status

test-windows:
	@scripts/check-program.sh build/win32/zorn2.exe
	@ctest --preset $(WINDOWS_PRESET); status=$$?; $(call SUMMARY,build/$(WINDOWS_PRESET)); exit $$status

clean:
	rm -rf build
