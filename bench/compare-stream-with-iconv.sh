#!/usr/bin/env bash
# Karvo as a filter beside iconv, on the same generated GB18030 stream:
# `cat FILE | karvo - > out` against `cat FILE | iconv -f GB18030 -t UTF-8 >
# out`. Karvo detects the encoding from the stream's first MiB; iconv is told
# it. The two take turns, run after run, so that a machine busy with
# something else slows both alike; each figure is the median of the runs,
# wall time of the whole pipe and the filter's peak resident memory. The
# outputs are compared byte for byte.
#
#   bench/compare-stream-with-iconv.sh [MiB] [build folder] [runs]
set -euo pipefail

size=${1:-1024}
build=${2:-build}
runs=${3:-3}
karvo="$build/app/karvo"
bench="$build/bench/karvo-bench"
for tool in "$karvo" "$bench"; do
    [ -x "$tool" ] || { echo "build Karvo first: $tool is missing" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time: apt-get install time" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/karvo-stream-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$bench" --generate "$size" "$work" > /dev/null
rm -f "$work/western.cp1252"
input="$work/chinese.gb18030"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
now() { date +%s%N; }

# run NAME COMMAND...: one timed pipe; appends "seconds peakMiB" to NAME.times.
run() {
    local name=$1
    shift
    local start end
    start=$(now)
    cat "$input" | /usr/bin/time -f %M -o "$work/$name.rss" "$@" > "$work/$name.out"
    end=$(now)
    awk -v ns=$((end - start)) -v kib="$(cat "$work/$name.rss")" \
        'BEGIN { printf "%.3f %.1f\n", ns / 1e9, kib / 1024 }' >> "$work/$name.times"
}

for turn in $(seq "$runs"); do
    run karvo "$karvo" -
    run iconv iconv -f GB18030 -t UTF-8
done

same=$(cmp -s "$work/karvo.out" "$work/iconv.out" && echo yes || echo NO)
karvoTime=$(cut -d' ' -f1 "$work/karvo.times" | median)
iconvTime=$(cut -d' ' -f1 "$work/iconv.times" | median)
echo "cat chinese.gb18030 ($size MiB) | FILTER > out, median of $runs runs each, taking turns:"
printf '%-26s %10s %10s\n' "filter" "time" "peak RSS"
printf '%-26s %8.3f s %6.1f MiB\n' "karvo -" "$karvoTime" "$(cut -d' ' -f2 "$work/karvo.times" | median)"
printf '%-26s %8.3f s %6.1f MiB\n' "iconv -f GB18030 -t UTF-8" "$iconvTime" "$(cut -d' ' -f2 "$work/iconv.times" | median)"
echo "all runs (seconds peakMiB): karvo $(tr '\n' ' ' < "$work/karvo.times")| iconv $(tr '\n' ' ' < "$work/iconv.times")"
echo "same bytes: $same; karvo/iconv time: $(awk -v a="$karvoTime" -v b="$iconvTime" 'BEGIN { printf "%.2fx", a / b }')"
[ "$same" = yes ]
