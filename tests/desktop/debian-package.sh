#!/usr/bin/env bash
# The Debian package: built with CPack, unpacked with dpkg -x into a temporary root, the
# installed program started, and lintian finds no error in it.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/check-tree.sh"
(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.txt") ||
  fail "cpack: $(cat "$work/cpack.txt")"
package=$(ls "$work"/out/colvero_*.deb)
dpkg-deb -f "$package" Depends | grep -q 'qt6-image-formats-plugins' ||
  fail "the package does not depend on the image-format plugins"
dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6' ||
  fail "the package's libraries were not read off the binary"
dpkg -x "$package" "$work/root"
check_tree "$work/root/usr"
lintian --fail-on error --suppress-tags-from-file /dev/null "$package" > "$work/lintian.txt" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.txt")"
echo "package $(basename "$package"): ok"
cat "$work/lintian.txt"
