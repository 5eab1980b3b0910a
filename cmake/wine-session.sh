#!/bin/sh
# What the Windows programs of a MinGW build tree need to run under Wine, started only
# where it is missing and stopped again by whoever started it:
#   start <tree>  the tree's own prefix (made once), a virtual display when none is
#                 usable, a persistent wineserver when none runs for the prefix, and
#                 Wine's helper processes (the warm-up); writes <tree>/wine-session.env,
#                 which the tree's wine-run reads
#   stop <tree>   ends what start started and removes the file
# CTest runs both as fixtures; scripts/run and scripts/screenshots use them too.
set -u
tree=$(cd "$2" && pwd) || exit 1
session=$tree/wine-session.env
WINEPREFIX=$tree/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
# Wine names Unix files in the locale's character set: in plain C a file name with
# letters outside ASCII cannot be made. The session's programs get UTF-8.
utf8=""
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || utf8="LC_ALL=C.UTF-8; export LC_ALL"
eval "$utf8"

# Without a window manager every hide stalls for two seconds unless Wine manages the
# windows itself. A crashing program must end at once with its backtrace, not wait on
# a crash dialog that nobody can press until the test's time is up.
make_prefix() {
    mkdir -p "$WINEPREFIX"
    {
        wineboot -i
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
        wineserver -w
    } >"$tree/wineboot.log" 2>&1 </dev/null
    touch "$WINEPREFIX/.clikpad-ready-2"
}

# A display nobody else uses.
start_display() {
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    setsid Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >"$tree/xvfb.log" 2>&1 </dev/null &
    started="$started $!"
    DISPLAY=":$n"
    export DISPLAY
    tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
        sleep 0.1
    done
}

start() {
    [ -f "$session" ] && stop  # left by a run that did not end
    started=""
    if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then start_display || return 1; fi
    [ -f "$WINEPREFIX/.clikpad-ready-2" ] || make_prefix
    # Wine's own fonts (MS Sans Serif, Tahoma) are only found inside the prefix;
    # without them every caption is drawn in a much wider font than on Windows.
    cp -u /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    # A persistent server keeps each program's start warm. Wine's helper processes
    # (services, the desktop) live as long as it and keep open whatever output they
    # were given: the warm-up starts them with theirs in a file, not in a test's pipe.
    if ! wineserver -k0 2>/dev/null; then
        setsid wineserver -f -p >"$tree/wineserver.log" 2>&1 </dev/null &
        started="$started $!"
        server=started
    fi
    wine "$tree/tests/wine_warmup.exe" >"$tree/warmup.log" 2>&1 </dev/null
    printf 'DISPLAY=%s\nexport DISPLAY\nCLIKPAD_SESSION_STARTED="%s"\nCLIKPAD_SESSION_SERVER=%s\n%s\n' \
        "$DISPLAY" "$started" "${server:-}" "$utf8" >"$session"
    echo "Wine session: display $DISPLAY, prefix $WINEPREFIX${started:+, started:$started}"
}

stop() {
    [ -f "$session" ] || return 0
    . "$session"
    [ "$CLIKPAD_SESSION_SERVER" = started ] && wineserver -k >/dev/null 2>&1
    # shellcheck disable=SC2086 # one process id per word
    [ -n "$CLIKPAD_SESSION_STARTED" ] && kill $CLIKPAD_SESSION_STARTED >/dev/null 2>&1
    rm -f "$session"
    echo "Wine session stopped${CLIKPAD_SESSION_STARTED:+: ended$CLIKPAD_SESSION_STARTED}"
}

case ${1:-} in
start) start ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop <build tree>" >&2
    exit 2
    ;;
esac
