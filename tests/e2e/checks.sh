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

# HORAVINE_E2E_SLOWDOWN (a whole factor, default 1) stretches every wait on the programs under
# test: a sanitized build runs several times slower, and the checks themselves stay the same.
slowdown=${HORAVINE_E2E_SLOWDOWN:-1}
case $slowdown in '' | *[!0-9]* | 0) slowdown=1 ;; esac

stretched() { # a count or a limit, times the slowdown
    echo $(($1 * slowdown))
}

pause() { # seconds (fractions allowed), times the slowdown
    sleep "$(awk -v s="$1" -v f="$slowdown" 'BEGIN { print s * f }')"
}
