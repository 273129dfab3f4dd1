#!/usr/bin/env bash
# A private print spooler for the print tests: a cupsd with its own
# configuration, spool, logs and socket under DIR, never the machine's. Its one
# queue, "ZornPDF", is the default printer: it takes the cups-pdf model and
# turns each job into DIR/pdf/job-N.pdf with Ghostscript.
#
#   cups-session.sh start DIR   start the spooler (without a socket when it cannot)
#   cups-session.sh stop DIR    stop it
# Programs reach it through CUPS_SERVER=DIR/socket.
set -euo pipefail
cmd=${1:?usage: cups-session.sh start|stop DIR}
dir=$(realpath -m "${2:?usage: cups-session.sh start|stop DIR}")
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

stop() {
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    rm -f "$dir/cupsd.pid"
  fi
}

# The print tests find no socket and say they are skipped; nothing else is.
unavailable() { echo "cups-session: $*; the print tests are skipped" >&2; stop; exit 0; }

# The backend: cups-pdf's own writes only where /etc/cups says, so this one
# converts the PostScript of the job itself, into the spooler's folder.
write_backend() {
  cat >"$dir/bin/backend/zorn2-pdf" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'file zorn2-pdf "Unknown" "Zorn2 test PDF"'; exit 0; }
out=$(dirname "$0")/../../pdf
input=${6:--}
gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=pdfwrite -sOutputFile="$out/job-$1.pdf.part" "$input" || exit 1
mv "$out/job-$1.pdf.part" "$out/job-$1.pdf"
BACKEND
  chmod 700 "$dir/bin/backend/zorn2-pdf"
}

start() {
  stop
  command -v cupsd >/dev/null && [ -f "$ppd" ] && command -v gs >/dev/null ||
    unavailable "cupsd, the cups-pdf model or Ghostscript is missing (scripts/install-deps.sh)"
  rm -rf "$dir"
  mkdir -p "$dir"/{root/ppd,spool,tmp,cache,state,log,pdf,bin/backend}
  for d in /usr/lib/cups/*; do [ "$(basename "$d")" = backend ] || ln -s "$d" "$dir/bin/"; done
  write_backend
  chmod 755 "$dir" "$dir/root" "$dir/bin" "$dir/pdf"
  chmod 1777 "$dir/tmp"
  cat >"$dir/root/cupsd.conf" <<CONF
Listen $dir/socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
MaxJobs 0
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$dir/root/cups-files.conf" <<CONF
ServerRoot $dir/root
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/bin
DataDir /usr/share/cups
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
FileDevice No
Sandboxing Relaxed
CONF
  cupsd -f -c "$dir/root/cupsd.conf" -s "$dir/root/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  for _ in $(seq 100); do [ -S "$dir/socket" ] && break; sleep 0.05; done
  [ -S "$dir/socket" ] || unavailable "cupsd did not start: $(tail -3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null)"
  export CUPS_SERVER=$dir/socket
  lpadmin -p ZornPDF -E -v zorn2-pdf:/ -P "$ppd" -o PageSize=A4 >"$dir/log/lpadmin.out" 2>&1 &&
    lpadmin -d ZornPDF >>"$dir/log/lpadmin.out" 2>&1 ||
    unavailable "the PDF queue could not be set up: $(cat "$dir/log/lpadmin.out")"
}

case "$cmd" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: cups-session.sh start|stop DIR" >&2; exit 2 ;;
esac
