#!/bin/sh
# Fails unless the executable asks Windows for ASLR with high entropy and for DEP.
# Usage: check-pe-flags.sh <objdump> <exe>
objdump=$1 exe=$2
flags=$("$objdump" -p "$exe" | sed -n 's/^DllCharacteristics[[:space:]]*//p')
[ -n "$flags" ] || { echo "no DllCharacteristics in $exe"; exit 1; }
status=0
for bit in 0020:HIGH_ENTROPY_VA 0040:DYNAMIC_BASE 0100:NX_COMPAT; do
    if [ $(( 0x$flags & 0x${bit%%:*} )) -eq 0 ]; then
        echo "missing ${bit#*:} (DllCharacteristics $flags)"
        status=1
    fi
done
[ $status -eq 0 ] && echo "DllCharacteristics $flags: HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT"
exit $status
