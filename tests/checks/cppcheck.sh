#!/bin/sh
# cppcheck over the files of a build tree that match a pattern relative to the source
# root, with the build's own commands. $1: source root, $2: build tree, $3: pattern.
# Windows trees: the compiler's own _WIN32 and the Windows library of cppcheck.
cd "$1" || exit 1
windows=""
grep -q 'mingw32\|cl\.exe' "$2/compile_commands.json" && windows="-D_WIN32 --library=windows"
# shellcheck disable=SC2086 # two options or none
cppcheck --project="$2/compile_commands.json" --file-filter="$1/$3" $windows --std=c++20 \
    --enable=warning,style,performance,portability --inline-suppr --suppressions-list=.cppcheck-suppressions \
    --error-exitcode=1 -j "$(nproc)" -q --template='{file}:{line}: {severity} [{id}] {message}' &&
    echo "cppcheck: $3, no findings"
