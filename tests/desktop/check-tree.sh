# Checks an installed tree under $1 (a prefix such as /usr): the program answers
# --version and --help without a display, and the desktop entry and the icons lie where
# the desktop looks for them. Sourced by the two tests; fails through `set -e`.
check_tree() {
  local prefix=$1
  local version
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/colvero" --version)
  [[ "$version" =~ ^colvero\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed '$version'"
  env -u DISPLAY "$prefix/bin/colvero" --help | grep -q '^Uso: colvero \[FICHERO\]' ||
    fail "--help printed no usage"
  local entry=$prefix/share/applications/colvero.desktop
  [[ -f "$entry" ]] || fail "no desktop entry at $entry"
  desktop-file-validate "$entry" > "$work/validate.txt" 2>&1 || true
  [[ ! -s "$work/validate.txt" ]] || fail "desktop-file-validate: $(cat "$work/validate.txt")"
  grep -qx 'Exec=colvero %f' "$entry" || fail "the entry does not open a file with colvero"
  grep -qx 'Icon=colvero' "$entry" || fail "the entry names another icon"
  local svg=$prefix/share/icons/hicolor/scalable/apps/colvero.svg
  local png=$prefix/share/icons/hicolor/256x256/apps/colvero.png
  grep -q '<svg' "$svg" || fail "no scalable icon at $svg"
  # A PNG's size stands in its header: width and height at bytes 16..23.
  [[ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" == 0000010000000100 ]] ||
    fail "$png is not a 256 x 256 PNG"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
