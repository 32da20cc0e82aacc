#!/usr/bin/env bash
# Start-up of build/Setup to the first paint of its main window (offscreen): median wall time and peak RSS of 10 runs, with no
# settings file and with a 200-key Setup.ini. Usage: bench/startup.sh [build-dir]
set -euo pipefail
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/Setup" "$work/Setup"

run10() {
    for _ in $(seq 10); do
        local start end rss
        start=$(date +%s%N)
        rss=$(SETUP_QUIT_AFTER_FIRST_PAINT=1 QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%M" \
            "$work/Setup" 2>&1 >/dev/null | tail -1)
        end=$(date +%s%N)
        echo "$(((end - start) / 1000)) $rss"
    done | sort -n | awk '{ t[NR]=$1; if ($2>m) m=$2 } END {
        printf "median %.1f ms, peak RSS %d KiB\n", (t[5]+t[6])/2000, m }'
}

echo "no settings file:  $(run10)"
python3 - "$work/Setup.ini" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    n = 0
    for section in ["Product", "Setting", "String", "Message", "FormAutorun"]:
        f.write(f"[{section}]\r\n")
        for _ in range(40):
            f.write(f"Key{n}=Value number {n}\r\n"); n += 1
PY
echo "200-key Setup.ini: $(run10)"
