#!/usr/bin/env bash
# Start-up to the first paint of the picture menu under Xvfb, against a minimal Qt program
# that shows one 600 x 450 picture window: median wall time and peak RSS of 10 runs each.
# Usage: bench/first-paint.sh [build-dir]
set -euo pipefail
build=$(realpath "${1:-build}")
display=:$((50 + RANDOM % 40))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb; rm -rf "$work"' EXIT
sleep 1
cp "$build/Setup" "$work/"

measure() {
    local name=$1
    shift
    for _ in $(seq 10); do
        local start end rss
        start=$(date +%s%N)
        rss=$(DISPLAY=$display SETUP_QUIT_AFTER_FIRST_PAINT=1 /usr/bin/time -f "%M" "$@" 2>&1 >/dev/null | tail -1)
        end=$(date +%s%N)
        echo "$(((end - start) / 1000)) $rss"
    done | sort -n | awk -v name="$name" '{ t[NR]=$1; if ($2>m) m=$2 } END {
        printf "%-16s median %.1f ms, peak RSS %d KiB\n", name, (t[5]+t[6])/2000, m }'
}

measure "Setup menu" "$work/Setup"
measure "minimal window" "$build/bench/wizard/minimal_window"
