#!/usr/bin/env bash
# The layers as the build sees them. For each folder, with the include path its own
# sources are compiled with (one directory a line in <dirs>/<folder>.dirs):
#   - a header of its own folder is found, and
#   - a header of every folder above it is not: including it fails with "No such file"
#     (g++) or "file not found" (clang).
# Usage: CheckLayers.sh <compiler> <dirs> <source root> <folders, top to bottom...>
set -uo pipefail
compiler=$1 dirs=$2 root=$3
shift 3
layers=("$@")
failures=0

# A header of the folder: its first by name.
header_of() { (cd "$root" && ls "$1"/*.h | head -n1); }

# Preprocesses '#include "<header>"' with the folder's include path; prints the errors.
preprocess() {
    local folder=$1 header=$2 flags=()
    while IFS= read -r dir; do [[ -n "$dir" ]] && flags+=("-I$dir"); done <"$dirs/$folder.dirs"
    printf '#include "%s"\n' "$header" |
        "$compiler" -std=c++20 -E -x c++ "${flags[@]}" -o /dev/null - 2>&1 >/dev/null
}

for ((i = 0; i < ${#layers[@]}; ++i)); do
    folder=${layers[i]}
    own=$(header_of "$folder")
    if ! errors=$(preprocess "$folder" "$own"); then
        echo "FAIL: $folder cannot include its own $own:"$'\n'"$errors"
        ((++failures))
    fi
    for ((j = 0; j < i; ++j)); do
        upper=$(header_of "${layers[j]}")
        if errors=$(preprocess "$folder" "$upper"); then
            echo "FAIL: $folder reaches $upper, of a folder above it"
            ((++failures))
        elif [[ "$errors" != *"$upper: No such file"* && "$errors" != *"'$upper' file not found"* ]]; then
            echo "FAIL: $folder including $upper failed for another reason:"$'\n'"$errors"
            ((++failures))
        fi
    done
done
((failures == 0)) && echo "every folder reaches its own headers and none of a folder above it"
exit $((failures > 0))
