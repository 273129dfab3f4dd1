#!/usr/bin/env bash
# Installs what building, running and testing Zorn2 needs. Idempotent: when every
# package is present it only runs dpkg queries and returns.
set -euo pipefail

packages=(
  wine wine32:i386 wine64
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  cmake make g++ pkg-config
  g++-multilib  # the core's unit tests built as 32-bit code too (-m32, with its sanitizer runtimes)
  xvfb xdotool x11-utils x11-xserver-utils imagemagick fonts-dejavu-core  # xmodmap: the e2e keyboard
  python3  # the end-to-end tests
  tesseract-ocr tesseract-ocr-rus  # the end-to-end tests read the status bar at each display scale
  qemu-user  # runs Wine's 32-bit loader for the PE32 smoke suite on kernels without 32-bit code
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev  # the fuzz targets: libFuzzer and the sanitizer runtimes
  locales
  fortunes-ru  # real Russian text for tests and benchmarks
  cups-daemon cups-client printer-driver-cups-pdf ghostscript poppler-utils  # the print tests' private PDF printer (our backend runs gs) and pdftotext
  libcups2:i386  # 32-bit Wine reaches the printer through the 32-bit CUPS client; without it Wine has none
  zip wixl msitools  # make dist: the zip and the MSI package (msitools reads one back: msiinfo)
)

sudo_() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_ dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_ apt-get update -q
  sudo_ apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine runs the program under a Russian locale (code pages 1251 and 866), and
# again under an English one (code page 1252), where a text narrowed to the
# system's code page shows at once.
for wanted in ru_RU en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8\$"; then
    echo "install-deps: generating $wanted.UTF-8"
    sudo_ sed -i "s/^# *\($wanted.UTF-8 UTF-8\)/\1/" /etc/locale.gen 2>/dev/null || true
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$wanted.UTF-8 UTF-8" | sudo_ tee -a /etc/locale.gen >/dev/null
    sudo_ locale-gen >/dev/null
  fi
done
exit 0
