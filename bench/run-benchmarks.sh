#!/usr/bin/env bash
# Runs the Google Benchmark suite, then whole runs of zuduvaro-export on large tables, and checks
# the speed and memory targets:
#   - 100,000 records export to XML or HTML in under 5 s each;
#   - peak memory of such a run stays under 200 MB (the writers stream their output; the CSV table
#     itself is what grows).
set -euo pipefail
build=${1:-build}
exe="$build/cli/zuduvaro-export"
bench="$build/bench/zuduvaro_bench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -x "$bench" ]; then
  "$bench" --benchmark_min_time=0.2
fi

python3 - "$work/big.csv" <<'PY'
import sys
with open(sys.argv[1], "w", encoding="utf-8", newline="") as f:
    f.write("KENO," + ",".join("%d. číslo" % c for c in range(1, 11)) + "\r\n")
    for r in range(1, 100001):
        f.write("Pole %d," % r + ",".join(str((r * 7 + c * 13) % 70 + 1) for c in range(1, 11)) + "\r\n")
PY

status=0
for format in xml html; do
  /usr/bin/time -f "%e %M" -o "$work/time" "$exe" --format "$format" --name Keno "$work/big.csv" "$work/out.$format"
  read -r seconds kilobytes < "$work/time"
  megabytes=$((kilobytes / 1024))
  verdict=ok
  if awk -v s="$seconds" 'BEGIN { exit !(s >= 5.0) }' || [ "$megabytes" -ge 200 ]; then
    verdict="OVER TARGET"
    status=1
  fi
  printf '%-5s 100000 records: %6.2f s, peak %4d MB, %s  [%s]\n' "$format" "$seconds" "$megabytes" \
    "$(du -h "$work/out.$format" | cut -f1)" "$verdict"
done
exit $status
