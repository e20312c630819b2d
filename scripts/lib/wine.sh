# The project's Wine harness, sourced by scripts/test, scripts/run and
# scripts/wine-exec: a Wine prefix of our own under build/, Japanese locale
# (code page 932), Xvfb when there is no display (display.sh), one persistent
# wineserver for the whole run, Wine's virtual desktop, no Gecko/Mono prompts,
# no crash dialog.

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

source "$NUVOPICK_ROOT/scripts/lib/display.sh"

# The registry settings every prefix of ours carries.
wine_configure_prefix() {
  local reg="$WINEPREFIX/nuvopick.reg"
  cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$DESKTOP_SIZE"

[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]
"mscoree"=""
"mshtml"=""

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ 明朝"="IPAMincho"
"ＭＳ Ｐ明朝"="IPAPMincho"
REG
  # The Japanese faces the program asks for, by the IPA fonts that stand for
  # them; regedit reads the file in the prefix's code page.
  iconv -f UTF-8 -t CP932 "$reg" >"$reg.cp932" && mv "$reg.cp932" "$reg"
  wine_run regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1
}

winepath_of() { echo "Z:${1//\//\\}"; }

# A fresh prefix for this run, copied from a template made once (making one
# costs half a minute; copying it, a second).
wine_fresh_prefix() {
  local template="$WINE_DIR/template"
  if [ ! -f "$template/.nuvopick-ready-2" ]; then
    rm -rf "$template"
    mkdir -p "$template"
    echo "wine: creating the template prefix (once)"
    WINEPREFIX="$template" "$WINE_BIN" wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX="$template" wine_configure_prefix
    WINEPREFIX="$template" "$WINESERVER_BIN" -w
    touch "$template/.nuvopick-ready-2"
  fi
  # A server still running for the old prefix (an earlier run's) must be gone
  # before the prefix is laid anew.
  "$WINESERVER_BIN" -k 2>/dev/null || true
  "$WINESERVER_BIN" -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  cp -a "$template" "$WINEPREFIX"
}

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
