# The X display the Wine harness runs on, sourced by scripts/lib/wine.sh: the
# caller's own, or else an Xvfb of this run's own.

XVFB_START_SECONDS=10

# Starts Xvfb when no display is set. Xvfb picks a free display itself and
# writes its number on a pipe once it accepts clients; until then nothing is
# assumed. Returns non-zero, with Xvfb's own messages, when it exits first or
# stays silent. wine_stop_display ends it.
wine_start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local log pipe number status=0
  log=$(mktemp "${TMPDIR:-/tmp}/nuvopick-xvfb.XXXXXX") || return 1
  exec {pipe}< <(exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>&1 >/dev/null 2>"$log")
  XVFB_PID=$!
  read -r -t "$XVFB_START_SECONDS" -u "$pipe" number || status=$?
  exec {pipe}<&-
  if [ $status -eq 0 ] && [[ $number =~ ^[0-9]+$ ]]; then
    # Xvfb keeps the log open for what it writes later; only its name goes.
    rm -f "$log"
    export DISPLAY=":$number"
    return 0
  fi
  if [ $status -gt 128 ]; then
    echo "wine: Xvfb reported no display within $XVFB_START_SECONDS s" >&2
  else
    echo "wine: Xvfb ended before it reported a display" >&2
  fi
  sed 's/^/  Xvfb: /' "$log" >&2
  rm -f "$log"
  wine_stop_display
  return 1
}

wine_stop_display() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    unset XVFB_PID
  fi
}
