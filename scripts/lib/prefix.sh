# The harness's Wine prefixes, sourced by scripts/lib/wine.sh. A template is
# made once (half a minute) and every prefix is a copy of it (a second). Both
# are made in a folder of their own, named after the making process, and moved
# into place whole; the template carries the mark only once wineboot and the
# registry import have been checked. A folder without the mark is made again,
# never used.

WINE_TEMPLATE="$WINE_DIR/template"
# Changes with what a prefix carries, so that older ones are made again.
WINE_READY_MARK=.nuvopick-ready-3

wine_prefix_ready() { [ -f "$1/$WINE_READY_MARK" ]; }

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
  iconv -f UTF-8 -t CP932 "$reg" >"$reg.cp932" && mv "$reg.cp932" "$reg" &&
    wine_run regedit /S "$(winepath_of "$reg")"
}

# Makes a prefix in the empty folder $1, Wine's output going to the file $2.
# Each step counts as done only by its status and by what its saved result
# shows: Windows' files after wineboot, our settings in the user's hive (the
# first key to the last) after the import. Names the step that failed.
wine_boot_prefix() {
  local -x WINEPREFIX=$1
  local log=$2 hive="$1/user.reg"
  if ! wine_run wineboot -i >>"$log" 2>&1 || ! "$WINESERVER_BIN" -w ||
    [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] || [ ! -f "$hive" ]; then
    echo "wine: wineboot did not make the template prefix" >&2
    return 1
  fi
  if ! wine_configure_prefix >>"$log" 2>&1 || ! "$WINESERVER_BIN" -w ||
    ! grep -q '^"ShowCrashDialog"=dword:00000000' "$hive" ||
    ! grep -qF '"IPAPMincho"' "$hive"; then
    echo "wine: the template prefix did not take our registry settings" >&2
    return 1
  fi
}

# Makes the template unless a ready one is in place.
wine_make_template() {
  wine_prefix_ready "$WINE_TEMPLATE" && return 0
  local new="$WINE_TEMPLATE.new.$$" log="$WINE_TEMPLATE.new.$$.log"
  echo "wine: creating the template prefix (once)"
  rm -rf "$new" "$log"
  mkdir -p "$new"
  if ! wine_boot_prefix "$new" "$log"; then
    echo "wine: Wine's last words:" >&2
    tail -n 20 "$log" | sed 's/^/  /' >&2
    WINEPREFIX="$new" "$WINESERVER_BIN" -k 2>/dev/null || true
    rm -rf "$new" "$log"
    return 1
  fi
  rm -f "$log"
  touch "$new/$WINE_READY_MARK"
  # Another run may have put a template of its own in place meanwhile.
  if wine_prefix_ready "$WINE_TEMPLATE"; then
    rm -rf "$new"
  else
    rm -rf "$WINE_TEMPLATE" && mv -T "$new" "$WINE_TEMPLATE"
  fi
}

# Folders that a run which has ended (interrupted) was making.
wine_clear_leftovers() {
  local dir pid
  for dir in "$WINE_DIR"/*.new.*; do
    pid=${dir##*.new.}
    if [ -e "$dir" ] && ! kill -0 "${pid%%.*}" 2>/dev/null; then rm -rf "$dir"; fi
  done
}

# Lays the prefix $1 anew as a copy of the template, once whatever ran in the
# old one has ended.
wine_lay_prefix() {
  local dest=$1 new="$1.new.$$"
  mkdir -p "$WINE_DIR"
  wine_clear_leftovers
  wine_make_template || return 1
  WINEPREFIX="$dest" "$WINESERVER_BIN" -k 2>/dev/null || true
  WINEPREFIX="$dest" "$WINESERVER_BIN" -w 2>/dev/null || true
  rm -rf "$dest" "$new"
  if ! cp -a "$WINE_TEMPLATE" "$new"; then
    echo "wine: could not copy the template prefix to $new" >&2
    rm -rf "$new"
    return 1
  fi
  mv -T "$new" "$dest"
}

# A fresh prefix for this run.
wine_fresh_prefix() { wine_lay_prefix "$WINEPREFIX"; }

# The prefix as the last run left it, or a fresh one when it is not whole.
wine_reuse_prefix() { wine_prefix_ready "$WINEPREFIX" || wine_lay_prefix "$WINEPREFIX"; }
