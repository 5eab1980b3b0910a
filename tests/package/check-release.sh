#!/usr/bin/env bash
# Makes the release a second time, later, from a copy of the sources in another
# folder, and compares every file with the first release byte for byte. Then signs
# it there with a throwaway self-signed certificate, verifies every signature, and
# makes the signed release once more from its published signatures.
#
#   check-release.sh <source folder> <first build tree> <version> <work folder>
set -uo pipefail
src=$1 first=$2 version=$3 work=$4
base="Clikpad-$version"
# No certificate, signature or time of the caller's reaches these builds.
unset CLIKPAD_SIGN_PFX CLIKPAD_SIGN_PKCS11_MODULE CLIKPAD_SIGN_PASSWORD CLIKPAD_SIGN_TIMESTAMP_URL \
    CLIKPAD_SIGNATURES SOURCE_DATE_EPOCH

source "$(dirname "${BASH_SOURCE[0]}")/check.sh"
# The same bytes, or the first offset (from 0) at which they differ.
same_bytes() {  # <first file> <second file>
    local out
    out=$(cmp "$1" "$2" 2>&1) && return 0
    if [[ $out =~ differ:\ (byte|char)\ ([0-9]+) ]]; then
        echo "      they differ first at offset $((BASH_REMATCH[2] - 1)): $1 and $2"
    elif [[ $out =~ EOF\ on\ ([^ ]+).*\ ([0-9]+) ]]; then
        echo "      $(basename "${BASH_REMATCH[1]}") ends at offset ${BASH_REMATCH[2]}, the other goes on: $1 and $2"
    else
        echo "      $out"
    fi
    return 1
}
release() {  # <log> [VAR=value...]: the release target of the second tree
    local log=$1
    shift
    env "$@" cmake --build "$work/build" --target release >"$log" 2>&1 && return 0
    tail -20 "$log" | sed 's/^/      /'
    return 1
}
# Every file of the release, and the unpacked files it was made from.
compare_trees() {  # <label> <first tree> <second tree>
    local name
    check "$1: the same file names" \
        [ "$(cd "$2/release" && ls | tr '\n' ' ')" = "$(cd "$3/release" && ls | tr '\n' ' ')" ]
    for name in $(cd "$2/release" && ls) package/stage/clikpad.exe package/stage/clikpad.chm package/uninstall.exe; do
        [[ $name == */* ]] || name=release/$name
        check "$1: $name" same_bytes "$2/$name" "$3/$name"
    done
}

rm -rf "$work"
mkdir -p "$work/src"
# The sources as the first build saw them: the files git knows, committed or not.
# The copy has no history, so the commit's time comes with it.
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
    export SOURCE_DATE_EPOCH
    SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct)
    (cd "$src" && git ls-files -z --cached --others --exclude-standard |
        tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -C "$work/src" -xf -
else
    tar -C "$src" --exclude=./build -cf - . | tar -C "$work/src" -xf -
fi

echo "-- the release made again in $work"
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIKPAD_BUILD_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/mingw-w64-x86_64.cmake" >"$work/configure.log" 2>&1
check "configured" [ $? -eq 0 ]
check "built" release "$work/unsigned.log"
compare_trees "again, unsigned" "$first" "$work/build"

echo "-- signed with a throwaway certificate"
keys="$work/keys"
mkdir -m 700 "$keys"
export CLIKPAD_SIGN_PASSWORD
CLIKPAD_SIGN_PASSWORD=$(openssl rand -hex 16)
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$keys/key.pem" -out "$keys/cert.pem" -days 2 \
    -subj "/CN=Clikpad test signing" -addext extendedKeyUsage=codeSigning >"$work/keys.log" 2>&1 &&
    openssl pkcs12 -export -inkey "$keys/key.pem" -in "$keys/cert.pem" -out "$keys/cert.pfx" \
        -passout env:CLIKPAD_SIGN_PASSWORD >>"$work/keys.log" 2>&1
check "throwaway certificate made" [ $? -eq 0 ]
check "built, signed" release "$work/signed.log" CLIKPAD_SIGN_PFX="$keys/cert.pfx"
check "the password is in no output" bash -c "! grep -rqF '$CLIKPAD_SIGN_PASSWORD' '$work'/*.log"
unset CLIKPAD_SIGN_PASSWORD
signed="$work/signed"
mkdir -p "$signed/package/stage" "$signed/zip"
cp -r "$work/build/release" "$signed/"
cp "$work/build/package/stage/"* "$signed/package/stage/"
cp "$work/build/package/uninstall.exe" "$signed/package/"
(cd "$signed/zip" && cmake -E tar xf "$signed/release/$base-win64.zip")

# The self-signed certificate is trusted for this check only; the time is now, as
# Windows checks a signature that has no timestamp.
verified() {  # <file>
    osslsigncode verify -CAfile "$keys/cert.pem" -time "$(date +%s)" -in "$1" >"$work/verify.log" 2>&1 && return 0
    grep -iE 'error|fail|mismatch' "$work/verify.log" | sed 's/^/      /'
    return 1
}
check "clikpad.exe in the zip: signature verifies" verified "$signed/zip/clikpad.exe"
check "uninstall.exe as packed: signature verifies" verified "$signed/package/uninstall.exe"
check "setup.exe: signature verifies" verified "$signed/release/$base-setup.exe"
osslsigncode remove-signature -in "$signed/zip/clikpad.exe" -out "$work/stripped.exe" >/dev/null 2>&1
check "clikpad.exe with its signature removed is the unsigned one" \
    same_bytes "$first/package/stage/clikpad.exe" "$work/stripped.exe"

echo "-- the signed release made again from its signatures"
check "built, with the signatures attached" \
    release "$work/attached.log" CLIKPAD_SIGNATURES="$signed/release/$base-signatures.txt"
compare_trees "again, signed" "$signed" "$work/build"

echo "checks: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
