# The project's Wine harness, sourced by scripts/test, scripts/run and
# scripts/wine-exec: Wine prefixes of our own under build/ (prefix.sh), Japanese
# locale (code page 932), Xvfb when there is no display (display.sh), one
# persistent wineserver for the whole run, Wine's virtual desktop, no Gecko/Mono
# prompts, no crash dialog.

NUVOPICK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
WINE_DIR="$NUVOPICK_ROOT/build/wine"
WINE_BIN=/usr/lib/wine/wine64
WINESERVER_BIN=/usr/lib/wine/wineserver64
DESKTOP_SIZE=1024x768

export WINEPREFIX="${NUVOPICK_WINEPREFIX:-$WINE_DIR/prefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8

wine_run() { "$WINE_BIN" "$@"; }

winepath_of() { echo "Z:${1//\//\\}"; }

source "$NUVOPICK_ROOT/scripts/lib/display.sh"
source "$NUVOPICK_ROOT/scripts/lib/prefix.sh"

# Keeps one wineserver for the whole run, so that each start costs little.
wine_start_server() {
  "$WINESERVER_BIN" -p
  wine_run explorer /desktop=Default,$DESKTOP_SIZE >/dev/null 2>&1 &
  WINE_DESKTOP_PID=$!
  # One program run to its end: the server and the desktop are up after it.
  wine_run cmd /c exit >/dev/null 2>&1 || true
}

wine_stop() {
  "$WINESERVER_BIN" -k 2>/dev/null || true
  "$WINESERVER_BIN" -w 2>/dev/null || true
  [ -n "${WINE_DESKTOP_PID:-}" ] && wait "$WINE_DESKTOP_PID" 2>/dev/null || true
  wine_stop_display
}
