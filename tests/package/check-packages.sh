#!/usr/bin/env bash
# Tries the release as a Windows user would, under Wine in the build tree's prefix:
# the zip unpacked into a folder of its own and the program started from there;
# then the installer run silently into a folder of the user's choice, what it
# installed and registered; setup run again over the running installed program (an
# upgrade), then into another folder (the first install is removed), and the
# registered quiet uninstall while the program runs again. The version resources
# of the program, the installer and the uninstaller are read with exiftool.
#
#   check-packages.sh <release folder> <version> <folder for Wine's output>
#
# Needs WINEPREFIX, and DISPLAY or CLIKPAD_WINE_SESSION (the Wine session's file of
# the build tree, which names the display: cmake/wine-session.sh).
# Leaves the prefix as a user's machine would be after an uninstall: the program
# gone, its settings key still there.
set -uo pipefail
# shellcheck disable=SC1090 # written by the session's start
[ -f "${CLIKPAD_WINE_SESSION:-}" ] && . "$CLIKPAD_WINE_SESSION"
release=$(realpath "$1") version=$2 work=$3
zip="$release/Clikpad-$version-win64.zip"
setup="$release/Clikpad-$version-setup.exe"
export WINEDEBUG=-all
# Wine would otherwise mirror the Start-menu shortcut onto this machine's desktop.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"

drive_c="$WINEPREFIX/drive_c"
default_dir="$drive_c/Program Files/Clikpad"
install_dir="$drive_c/Apps/Clikpad"  # chosen at the first install
win_install_dir='C:\Apps\Clikpad'
moved_dir="$drive_c/Apps/Clikpad2"  # chosen at a later upgrade
win_moved_dir='C:\Apps\Clikpad2'
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Clikpad.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Clikpad'
settings_key='HKCU\SOFTWARE\Talvick Software\Clikpad'      # the user's own
machine_copy='HKLM\SOFTWARE\Talvick Software\Clikpad'      # kept by a start that may write it, as under Wine
mkdir -p "$work"
log="$work/wine.log"  # Wine's helpers keep pipes open: its output goes to a file
: >"$log"
scratch=

source "$(dirname "${BASH_SOURCE[0]}")/check.sh"
win() { wine "$@" >>"$log" 2>&1; }
key_exists() { win reg query "$1"; }
key_missing() { ! key_exists "$1"; }

# A top-level window of clikpad.exe with the caption "Clikpad", shown on the display.
# Warm, Wine starts the program in a second; a loaded machine has been seen to take
# tens of seconds, so it is given a minute, and a failure says what there was by then.
main_window_shown() {
    local id
    for _ in $(seq 300); do
        id=$(xwininfo -root -tree | awk '/"Clikpad": \("clikpad.exe"/ { print $1; exit }')
        [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable' && return 0
        sleep 0.2
    done
    echo "   seen by then: $(xwininfo -root -tree | grep -c '("clikpad.exe"') windows of clikpad.exe;" \
        "processes: $(pgrep -fa -i 'clikpad\.exe' | cut -c 1-200 | tr '\n' ';')"
    return 1
}

# Starts the program and waits for its main window; it runs on as $program.
program=
start_program() {  # <what> <program path as Wine takes it>
    wine "$2" >>"$log" 2>&1 &
    program=$!
    check "$1: main window shown" main_window_shown
}
# The program has ended, by itself or asked to, within ten seconds, with exit code 0.
program_ended() {
    for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$program" 2>/dev/null; then
        win taskkill /f /im clikpad.exe
        wait "$program"
        return 1
    fi
    wait "$program"
}
# Closes it as the window's close box would (WM_CLOSE, sent by taskkill without /f).
start_and_close() {  # <what> <program path as Wine takes it>
    start_program "$@"
    win taskkill /im clikpad.exe
    check "$1: closes when asked, exit code 0" program_ended
}

# Removes what an earlier run left behind, without the registry entry's help.
clean_up() {
    win taskkill /f /im clikpad.exe
    [ -f "$install_dir/uninstall.exe" ] && win "$win_install_dir\\uninstall.exe" /S "_?=$win_install_dir"
    [ -f "$moved_dir/uninstall.exe" ] && win "$win_moved_dir\\uninstall.exe" /S "_?=$win_moved_dir"
    rm -rf "$install_dir" "$moved_dir" "$default_dir" "$shortcut" ${scratch:+"$scratch"} "$drive_c"/users/*/Temp/~nsu*.tmp
    rmdir "$drive_c/Apps" 2>/dev/null
    win reg delete "$uninstall_key" /f
    return 0
}
trap clean_up EXIT
clean_up
win reg delete "$settings_key" /f
win reg delete "$machine_copy" /f

check "release has the zip, the installer and SHA256SUMS" test -f "$zip" -a -f "$setup" -a -f "$release/SHA256SUMS"
check "SHA256SUMS matches both" bash -c "cd '$release' && sha256sum --quiet -c SHA256SUMS"

echo "-- the zip"
scratch=$(mktemp -d "$drive_c/clikpad-zip.XXXXXX")
(cd "$scratch" && cmake -E tar xf "$zip")
check "zip holds clikpad.exe, clikpad.chm and README.txt" \
    test "$(cd "$scratch" && ls | sort | tr '\n' ' ')" = "README.txt clikpad.chm clikpad.exe "
four_part=$version
while [ "$(tr -cd . <<<"$four_part" | wc -c)" -lt 3 ]; do four_part=$four_part.0; done
check "clikpad.exe carries the manifest of version $four_part" \
    grep -aqF "name=\"TalvickSoftware.Clikpad\" version=\"$four_part\"" "$scratch/clikpad.exe"

# The version resource as the file's Properties show it, every field.
described() {  # <file> <description> <original file name>
    local want got
    want=$(printf '%s\n' "FileVersionNumber: $four_part" "ProductVersionNumber: $four_part" \
        "CompanyName: Talvick Software" "FileDescription: $2" "ProductName: Clikpad" \
        "ProductVersion: $version" "FileVersion: $version" "OriginalFileName: $3" \
        "LegalCopyright: Copyright (C) Talvick Software")
    got=$(exiftool -S -FileVersionNumber -ProductVersionNumber -CompanyName -FileDescription -ProductName \
        -ProductVersion -FileVersion -OriginalFileName -LegalCopyright "$1")
    [ "$got" = "$want" ] && return 0
    diff <(echo "$want") <(echo "$got") | sed -n 's/^</      expected /p; s/^>/      saw      /p'
    return 1
}
check "clikpad.exe: version resource" described "$scratch/clikpad.exe" Clikpad clikpad.exe
check "setup.exe: version resource" described "$setup" "Clikpad $version Setup" "Clikpad-$version-setup.exe"
start_and_close "unpacked clikpad.exe" "C:\\$(basename "$scratch")\\clikpad.exe"
check "the program wrote its settings" key_exists "$settings_key"
check "and their copy in the machine key" key_exists "$machine_copy"

echo "-- the installer, into a folder of the user's choice"
win "$setup" /S "/D=$win_install_dir"
check "setup.exe /S /D=$win_install_dir exits with 0" [ $? -eq 0 ]
check "installed: clikpad.exe, clikpad.chm, README.txt, uninstall.exe" \
    test "$(cd "$install_dir" && ls | sort | tr '\n' ' ')" = "README.txt clikpad.chm clikpad.exe uninstall.exe "
check "installed clikpad.exe is the zip's" cmp -s "$install_dir/clikpad.exe" "$scratch/clikpad.exe"
check "installed uninstall.exe: version resource" \
    described "$install_dir/uninstall.exe" "Clikpad $version Uninstall" uninstall.exe
check "Start-menu shortcut to the installed program" grep -aqF "$win_install_dir\\clikpad.exe" "$shortcut"

entry=$(wine reg query "$uninstall_key" 2>>"$log" | tr -d '\r')
value() { sed -n "s/^    $1    REG_[A-Z_]*    //p" <<<"$entry"; }
expect() { check "uninstall entry: $1 = $2" [ "$(value "$1")" = "$2" ]; }
expect DisplayName Clikpad
expect DisplayVersion "$version"
expect Publisher "Talvick Software"
expect DisplayIcon "$win_install_dir\\clikpad.exe,0"
expect InstallLocation "$win_install_dir"
expect UninstallString "\"$win_install_dir\\uninstall.exe\""
expect QuietUninstallString "\"$win_install_dir\\uninstall.exe\" /S"
expect NoModify 0x1
expect NoRepair 0x1
bytes=$(cat "$install_dir"/* | wc -c)
check "uninstall entry: EstimatedSize is the installed $((bytes / 1024)) KB" \
    [ $(($(value EstimatedSize))) -ge $((bytes / 1024)) -a $(($(value EstimatedSize))) -le $((bytes / 1024 + 1)) ]
check "uninstall entry has no other values" [ "$(grep -c '^    ' <<<"$entry")" -eq 10 ]

echo "-- an upgrade while the installed program runs"
start_program "installed clikpad.exe" "$win_install_dir\\clikpad.exe"
win "$setup" /S
check "setup.exe /S over the running program exits with 0" [ $? -eq 0 ]
check "the running program was closed first" program_ended
check "upgraded in the first install's folder, nothing in Program Files" \
    test -f "$install_dir/clikpad.exe" -a ! -e "$default_dir"
entry=$(wine reg query "$uninstall_key" 2>>"$log" | tr -d '\r')
check "the uninstall entry still names that folder" [ "$(value InstallLocation)" = "$win_install_dir" ]

echo "-- an upgrade into another folder"
win "$setup" /S "/D=$win_moved_dir"
check "setup.exe /S /D=$win_moved_dir exits with 0" [ $? -eq 0 ]
check "the first install's folder removed" test ! -e "$install_dir"
check "$win_moved_dir holds the program and its uninstaller" \
    test -f "$moved_dir/clikpad.exe" -a -f "$moved_dir/uninstall.exe"
check "one Start-menu shortcut, to $win_moved_dir" \
    test "$(ls "$(dirname "$shortcut")" | grep -ci clikpad)" = 1 -a -n "$(grep -alF "$win_moved_dir\\clikpad.exe" "$shortcut")"
entry=$(wine reg query "$uninstall_key" 2>>"$log" | tr -d '\r')
check "the uninstall entry names $win_moved_dir" [ "$(value InstallLocation)" = "$win_moved_dir" ]
check "settings key kept" key_exists "$settings_key"

echo "-- the registered quiet uninstall while the program runs"
start_program "installed clikpad.exe" "$win_moved_dir\\clikpad.exe"
quiet=$(value QuietUninstallString)
if [[ $quiet =~ ^\"([^\"]+)\"\ (.*)$ ]]; then
    # The uninstaller runs on from a copy of itself in %TEMP% and returns at once:
    # it has finished when its entry, the last thing it removes, is gone.
    win "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
    for _ in $(seq 60); do key_exists "$uninstall_key" || break; sleep 0.5; done
fi
check "the running program was closed first" program_ended
check "uninstall entry removed" key_missing "$uninstall_key"
check "$win_moved_dir removed" test ! -e "$moved_dir"
check "Start-menu shortcut removed" test ! -e "$shortcut"
check "settings key kept" key_exists "$settings_key"

echo "checks: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
