#!/usr/bin/env bash
# `make bench`: micro-benchmarks natively (Release, no sanitizers) and
# figures under Wine, each printed as a ratio against a baseline measured in
# the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/native-bench
[ -f $bench/build.ninja ] || cmake -S . -B $bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZT_BENCH=ON -DZT_SANITIZE=OFF >/dev/null
cmake --build $bench -j2 --target native_bench >/dev/null

echo "== native (in-memory fake), medians of 5 repetitions; ratios of CPU time"
out=$(taskset -c 0 $bench/native_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_min_time=0.2 2>/dev/null | grep '_median' || true)
echo "$out"
# ratio NAME NUMERATOR DENOMINATOR: the medians of two benchmarks, divided.
ratio() {
  awk -v label="$1" -v a="$2_median" -v b="$3_median" '
    $1 == a { x = $4 } $1 == b { y = $4 }
    END { if (x && y) printf "ratio  %-52s %6.2fx\n", label, x / y }' <<<"$out"
}
while IFS='|' read -r label numerator denominator; do
  [ -n "$label" ] && ratio "$label" "$numerator" "$denominator"
done < bench/native/ratios.txt

echo
echo "== under Wine (real registry), pinned to one core, warm wineserver"
WINEPREFIX=$(scripts/wine-prefix win7-64)
export WINEPREFIX WINEDEBUG=-all
wineserver -p 60
for exe in build/win/*_bench_win.exe; do
  [ -e "$exe" ] || continue
  echo "-- $(basename "$exe" .exe)"
  scripts/with-display taskset -c 0 scripts/wine-run "$exe"
done
wineserver -k 2>/dev/null || true
