# Shared by the scripts: the build trees of the two CMake presets and the Wine prefix
# (variables set and exported on sourcing), and functions for packages, building and
# the Wine session. Source it.

CLIKPAD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CLIKPAD_BUILD=$CLIKPAD_ROOT/build/mingw          # the preset mingw's tree
CLIKPAD_NATIVE_BUILD=$CLIKPAD_ROOT/build/native  # the preset native's tree
WINEPREFIX=$CLIKPAD_BUILD/wineprefix
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

say() { printf '== %s\n' "$*"; }

# Installs only what this machine lacks, so a second run costs nothing here.
install_missing_packages() {
    local -a wanted=()
    command -v cmake >/dev/null || wanted+=(cmake)
    command -v ninja >/dev/null || wanted+=(ninja-build)
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || wanted+=(g++-mingw-w64-x86-64)
    command -v x86_64-w64-mingw32-widl >/dev/null || wanted+=(mingw-w64-tools)
    command -v wine >/dev/null || wanted+=(wine)
    if wants_wine64; then wanted+=(wine64); fi
    [ -f /usr/share/wine/fonts/sserife.fon ] || wanted+=(fonts-wine)
    command -v chmcmd >/dev/null || wanted+=(fp-utils)
    command -v makensis >/dev/null || wanted+=(nsis)
    # The release tests: signing with a throwaway certificate, version resources.
    command -v osslsigncode >/dev/null || wanted+=(osslsigncode)
    command -v openssl >/dev/null || wanted+=(openssl)
    command -v exiftool >/dev/null || wanted+=(libimage-exiftool-perl)
    command -v Xvfb >/dev/null || wanted+=(xvfb)
    command -v xdpyinfo >/dev/null || wanted+=(x11-utils)
    [ -f /usr/src/googletest/CMakeLists.txt ] || wanted+=(googletest)
    install_packages "${wanted[@]}"
}

# What the preset native and the analysis tests need: clang with its sanitizer and
# libFuzzer runtimes, the two analysers, clang-format, and the MinGW headers that the
# Windows files are analysed with.
install_native_packages() {
    local -a wanted=()
    command -v cmake >/dev/null || wanted+=(cmake)
    command -v ninja >/dev/null || wanted+=(ninja-build)
    command -v clang++ >/dev/null || wanted+=(clang)
    # Debian ships the runtimes apart from the compiler.
    if ! command -v clang++ >/dev/null || [ ! -f "$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-x86_64.a" ]; then
        wanted+=(libclang-rt-dev)
    fi
    command -v clang-tidy >/dev/null || wanted+=(clang-tidy)
    command -v clang-format >/dev/null || wanted+=(clang-format)
    command -v cppcheck >/dev/null || wanted+=(cppcheck)
    command -v git >/dev/null || wanted+=(git)  # the format check lists the tree's files
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || wanted+=(g++-mingw-w64-x86-64)
    [ -f /usr/src/googletest/CMakeLists.txt ] || wanted+=(googletest)
    install_packages "${wanted[@]}"
}

# The 64-bit Wine is a package of its own on Debian 12 and 13 that the wine package
# does not pull in without recommends; a release that no longer has it ships a
# 64-bit wine package alone.
wants_wine64() {
    [ -x /usr/lib/wine/wine64 ] && return 1
    update_package_lists
    apt-cache show wine64 >/dev/null 2>&1
}

package_lists_updated=
update_package_lists() {
    [ -n "$package_lists_updated" ] && return 0
    apt-get update -qq
    package_lists_updated=1
}

install_packages() {
    [ $# -eq 0 ] && return 0
    say "installing $*"
    export DEBIAN_FRONTEND=noninteractive
    update_package_lists
    apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# Configures a preset's tree, again each time, so that tools installed since are
# found; a tree that another source folder or project made (the native tree of
# older checkouts) is made anew.
configure_preset() {
    local preset=$1 tree=$CLIKPAD_ROOT/build/$1
    if [ -f "$tree/CMakeCache.txt" ] &&
        ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$CLIKPAD_ROOT" "$tree/CMakeCache.txt"; then
        rm -rf "$tree/CMakeCache.txt" "$tree/CMakeFiles"
    fi
    say "configuring $tree (preset $preset)"
    (cd "$CLIKPAD_ROOT" && cmake --preset "$preset" >/dev/null)
}

configure_mingw() { configure_preset mingw; }

configure_and_build() {
    local preset=${1:-mingw}
    configure_preset "$preset"
    say "building (preset $preset)"
    (cd "$CLIKPAD_ROOT" && cmake --build --preset "$preset")
}

# The prefix, a display when none is usable, a warm wineserver (cmake/wine-session.sh);
# DISPLAY is then the session's.
start_wine_session() {
    sh "$CLIKPAD_ROOT/cmake/wine-session.sh" start "$CLIKPAD_BUILD"
    # shellcheck disable=SC1091 # written by the session's start
    . "$CLIKPAD_BUILD/wine-session.env"
}

stop_wine_session() { sh "$CLIKPAD_ROOT/cmake/wine-session.sh" stop "$CLIKPAD_BUILD" >/dev/null; }
