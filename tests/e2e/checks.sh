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

require_tools() { # TOOL...: the test is skipped (77) where one is missing
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "skipped: $tool is missing (scripts/install-deps installs it)"
            exit 77
        fi
    done
}
