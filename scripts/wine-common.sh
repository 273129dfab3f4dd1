# Shared by the Wine scripts: where Wine lives and what a session's environment is.
WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo wineserver)

write_env() {
  local d=$1
  cat >"$d/env" <<ENV
export WINEPREFIX='$d/prefix'
export DISPLAY='$(cat "$d/display")'
export LC_ALL=ru_RU.UTF-8
export LANG=ru_RU.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe='
ENV
}

# True when the session's wineserver still runs: its socket lives in a folder
# named after the device and inode of the prefix.
session_alive() {
  local prefix=$1/prefix
  [ -d "$prefix" ] || return 1
  local key
  key=$(printf 'server-%x-%x' "$(stat -c %d "$prefix")" "$(stat -c %i "$prefix")")
  [ -S "/tmp/.wine-$(id -u)/$key/socket" ]
}

# The loader for a PE file: wine64 for PE32+, wine for PE32.
loader_for() {
  if od -An -tx1 -j "$(( $(od -An -tu4 -j 60 -N4 "$1") + 4 ))" -N2 "$1" | grep -q '64 86'; then
    echo "$WINE64"
  else
    echo "$WINE32"
  fi
}
