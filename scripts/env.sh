# Shared by scripts/test, scripts/run, scripts/release and scripts/native-checks: the
# build tree and Wine prefix (variables set and exported on sourcing), and functions
# for packages, building, the virtual display and the wineserver. Source it.

CLIKPAD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CLIKPAD_BUILD=${CLIKPAD_BUILD:-$CLIKPAD_ROOT/build/mingw}
WINEPREFIX=$CLIKPAD_BUILD/wineprefix
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

clikpad_started_pids=()

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

# What scripts/native-checks needs: clang with its sanitizer and libFuzzer
# runtimes, the two analysers, and the MinGW headers that the Windows files are
# analysed with.
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

configure_mingw() {
    [ -f "$CLIKPAD_BUILD/build.ninja" ] && return 0
    say "configuring $CLIKPAD_BUILD"
    cmake -S "$CLIKPAD_ROOT" -B "$CLIKPAD_BUILD" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$CLIKPAD_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
}

configure_and_build() {
    configure_mingw
    say "building"
    cmake --build "$CLIKPAD_BUILD"
}

# A display nobody else uses; Xvfb is stopped again by stop_started.
start_virtual_display() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >"$CLIKPAD_BUILD/xvfb.log" 2>&1 &
    clikpad_started_pids+=($!)
    export DISPLAY=":$n"
    local tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
        sleep 0.1
    done
    say "virtual display $DISPLAY"
}

# The build tree's own prefix, made once. Without a window manager every hide
# stalls for two seconds unless Wine manages the windows itself. A crashing test
# program must end at once with its backtrace, not wait on a crash dialog that
# nobody can press until CTest's timeout.
prepare_wine_prefix() {
    [ -f "$WINEPREFIX/.clikpad-ready-2" ] || create_wine_prefix
    # Wine's own fonts (MS Sans Serif, Tahoma) are only found inside the prefix;
    # without them every caption is drawn in a much wider font than on Windows.
    cp -u /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

create_wine_prefix() {
    say "creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >"$CLIKPAD_BUILD/wineboot.log" 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$CLIKPAD_BUILD/wineboot.log" 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$CLIKPAD_BUILD/wineboot.log" 2>&1
    wineserver -w
    touch "$WINEPREFIX/.clikpad-ready-2"
}

# wineserver -p stays up between programs, so each test starts warm. Wine's helper
# processes (services, the desktop) inherit stdio and live as long as the server:
# the warm-up starts them with their output in a file, not in a test's pipe.
start_wineserver() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -f -p >"$CLIKPAD_BUILD/wineserver.log" 2>&1 &
    clikpad_started_pids+=($!)
    wine "$CLIKPAD_BUILD/tests/wine_warmup.exe" >"$CLIKPAD_BUILD/warmup.log" 2>&1
}

stop_started() {
    if [ ${#clikpad_started_pids[@]} -gt 0 ]; then
        wineserver -k >/dev/null 2>&1 || true
        kill "${clikpad_started_pids[@]}" >/dev/null 2>&1 || true
        wait "${clikpad_started_pids[@]}" 2>/dev/null || true
        clikpad_started_pids=()
    fi
}
