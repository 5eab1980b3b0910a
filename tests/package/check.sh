# Sourced by the release tests: each check names what it shows, and the tally.
passes=0 failures=0
check() {  # <what> <command...>
    local what=$1
    shift
    if "$@"; then
        echo "ok    $what"
        passes=$((passes + 1))
    else
        echo "FAIL  $what"
        failures=$((failures + 1))
    fi
}
