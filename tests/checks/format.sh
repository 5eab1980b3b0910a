#!/bin/sh
# Every C++ file of the tree as clang-format (.clang-format) writes it. $1: source root.
cd "$1" || exit 1
files=$(git ls-files src tests bench native/fuzz | grep -E '\.(cpp|h)$')
[ -n "$files" ] || { echo "format: no C++ files listed by git ls-files"; exit 1; }
# shellcheck disable=SC2086 # one file name per word
if clang-format --dry-run --Werror $files; then
    echo "format: $(echo "$files" | wc -l) files as .clang-format writes them"
else
    echo "format: files differ from what .clang-format writes (clang-format -i them)"
    exit 1
fi
