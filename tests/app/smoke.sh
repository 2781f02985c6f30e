#!/usr/bin/env bash
# The real program, started as a user starts it: on a virtual display with an empty data
# folder it must reach its first window, the system selection; Escape there cancels it, and
# the program ends by itself with status 0 and writes nothing into the data folder.
# Usage: smoke.sh PROGRAM [TITLE [ARGUMENT...]]
#   TITLE: the first window's title as a regular expression (default: the English one);
#   ARGUMENTs go to the program, e.g. -ko, whose window is then titled in Korean.
set -euo pipefail

program="$1"
title="${2:-^R-4000 Software\$}"
shift $(($# < 2 ? $# : 2))
for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "smoke: $tool is missing (scripts/setup installs it)"
        exit 77
    fi
done

# Under the sanitizers: what the system's libraries keep is theirs, not the program's.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/system-leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export R4000_DATA_DIR="$work/data" LC_ALL=C.UTF-8 PROGRAM="$program" WORK="$work" TITLE="$title"

xvfb-run -a bash -c '
    set -uo pipefail
    "$PROGRAM" "$@" >"$WORK/out" 2>&1 &
    pid=$!
    window="$(timeout 30 xdotool search --sync --onlyvisible --name "$TITLE" | head -n 1)"
    if [[ -z "$window" ]]; then
        echo "smoke: no window titled $TITLE within 30 s"
        kill "$pid" 2>/dev/null
        cat "$WORK/out"
        exit 1
    fi
    xdotool windowfocus --sync "$window" key Escape || exit 1
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "smoke: the program did not end after Cancel"
        kill "$pid"
        exit 1
    fi
    status=0
    wait "$pid" || status=$?
    if [[ $status -ne 0 ]]; then
        echo "smoke: the program ended with status $status"
        cat "$WORK/out"
        exit 1
    fi
' smoke "$@"
if [[ -e "$work/data/R4000.ini" ]]; then
    echo "smoke: a cancelled start wrote the initial file"
    exit 1
fi
echo "smoke: R4000 showed the system selection and ended on Cancel"
