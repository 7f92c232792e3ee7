# Sourced by the end-to-end scripts: one "ok -" or "not ok -" line a check, and the tally.

failures=0
passes=0

check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
        echo "ok - $what"
    else
        failures=$((failures + 1))
        echo "not ok - $what"
    fi
}
