#!/bin/sh
# clang-tidy (.clang-tidy) over the files of a build tree that match a pattern relative
# to the source root, with the build's own commands. $1: source root, $2: build tree,
# $3: pattern, $4: the build's compiler. A MinGW build is read by clang for the MinGW
# target, with the MinGW compiler's libstdc++ in place of the host's.
root=$1 tree=$2 pattern=$3 compiler=$4
cd "$root" || exit 1
files=$(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$tree/compile_commands.json" | sed "s|^$root/||" | sort -u |
    while read -r file; do case $file in $pattern) echo "$file" ;; esac; done)
[ -n "$files" ] || { echo "clang-tidy: no file of $tree matches $pattern"; exit 1; }
set --
case $compiler in
*mingw32*)
    cxx=$(dirname "$("$compiler" -print-libgcc-file-name)")/include/c++
    set -- --extra-arg-before=--target=x86_64-w64-mingw32 --extra-arg=-nostdlibinc \
        --extra-arg=-isystem"$cxx" --extra-arg=-isystem"$cxx/x86_64-w64-mingw32" \
        --extra-arg=-isystem"$cxx/backward" --extra-arg=-isystem/usr/x86_64-w64-mingw32/include
    ;;
esac
if echo "$files" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$tree" --quiet "$@"; then
    echo "clang-tidy: $(echo "$files" | wc -l) files ($pattern), no findings"
else
    exit 1
fi
