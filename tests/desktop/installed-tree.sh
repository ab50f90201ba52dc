#!/usr/bin/env bash
# `cmake --install` into a temporary prefix lays out a tree the desktop can use.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/check-tree.sh"
cmake --install "$build" --prefix "$work/prefix" > "$work/install.txt"
check_tree "$work/prefix"
echo "installed tree: ok"
