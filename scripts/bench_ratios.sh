#!/usr/bin/env bash
# Runs the benchmark programs that compare Zahlwerk with a peer library or a
# naïve method, each with repetitions on two pinned cores, and prints their
# tables of medians in Markdown, as the README's performance section shows them.
#
#   bash scripts/bench_ratios.sh [build dir]        (default: build)
#
# Environment: CORES (default 6,7: two cores for taskset), REPS (default 5
# repetitions of every benchmark), ONLY (a space-separated list of programs,
# e.g. ONLY="bench_evaluator bench_triples"). The programs must be built:
#   cmake --build build --target <program> ...
# The machine may be shared: ratios from one binary are what count, and the
# load average before and after the run is printed with the tables. A program
# whose two sides compute different results fails, and so does this script.
set -euo pipefail
build=${1:-build}
cores=${CORES:-6,7}
reps=${REPS:-5}
programs=${ONLY:-"bench_xmath bench_evaluator bench_chart2d bench_chart3d bench_surface bench_bigint bench_primes
  bench_numerics bench_numerics_fits bench_quartic bench_linalg bench_triples bench_ggt bench_poly bench_texts bench_files
  bench_analysis bench_distributions bench_stats"}
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "Benchmark ratios, $(date -u '+%Y-%m-%d %H:%M UTC'), cores $cores of $(nproc), $reps repetitions, load average $(load)"
echo "CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
status=0
for p in $programs; do
  bin="$build/bin/$p"
  if [ ! -x "$bin" ]; then
    echo "bench_ratios.sh: $bin is not built" >&2
    status=1
    continue
  fi
  echo
  echo "### $p"
  if ! QT_QPA_PLATFORM=offscreen taskset -c "$cores" "$bin" --benchmark_repetitions="$reps" \
      --benchmark_report_aggregates_only=true >"$log/$p.txt" 2>"$log/$p.err"; then
    echo "bench_ratios.sh: $p failed:" >&2
    cat "$log/$p.err" >&2
    status=1
    continue
  fi
  # The tables follow each marker line; the console table before them is left out.
  awk '/^--- ratios ---$/ { on = 1; next } on' "$log/$p.txt"
done
echo
echo "Load average at the end: $(load)"
exit $status
