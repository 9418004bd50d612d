#!/usr/bin/env bash
# Puts Karvo's engine beside the command-line tools that do the same job, on
# the very same generated files (GB18030 Chinese prose and windows-1252
# Western prose): Karvo's detection plus conversion to UTF-8 against
# `uchardet FILE` followed by `iconv -f CHARSET -t UTF-8 FILE`. The two take
# turns, run after run, so that a machine busy with something else slows
# both alike; each figure is the median of the runs. Peak resident memory is
# Karvo's own (VmHWM) and, for the tools, the larger of the two. The outputs
# of both are compared byte for byte.
#
#   bench/compare-with-iconv.sh [MiB] [build folder] [runs]
set -euo pipefail

size=${1:-128}
build=${2:-build}
runs=${3:-3}
bench="$build/bench/karvo-bench"
[ -x "$bench" ] || { echo "build Karvo first: $bench is missing" >&2; exit 1; }
command -v uchardet > /dev/null || { echo "needs the uchardet command: apt-get install uchardet" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time: apt-get install time" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/karvo-compare-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$bench" --generate "$size" "$work"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
now() { date +%s%N; }

echo
echo "Detection plus conversion to UTF-8, median of $runs runs each, taking turns:"
printf '%-16s %5s %10s %10s %15s %10s %6s %12s\n' "file" "MiB" "Karvo" "peak RSS" "uchardet+iconv" "peak RSS" "same?" "Karvo/tools"
for file in chinese.gb18030 western.cp1252; do
    path="$work/$file"
    : > "$work/karvo.times"
    : > "$work/tools.times"
    for run in $(seq "$runs"); do
        read -r _ seconds peak _ < <("$bench" --once "$path")
        echo "$seconds $peak" >> "$work/karvo.times"

        start=$(now)
        /usr/bin/time -f %M -o "$work/rss.detect" uchardet "$path" > "$work/charset"
        /usr/bin/time -f %M -o "$work/rss.iconv" iconv -f "$(cat "$work/charset")" -t UTF-8 "$path" > "$path.iconv"
        end=$(now)
        rss=$(cat "$work/rss.detect" "$work/rss.iconv" | sort -n | tail -1)
        awk -v ns=$((end - start)) -v kib="$rss" 'BEGIN { printf "%.3f %.1f\n", ns / 1e9, kib / 1024 }' >> "$work/tools.times"
    done
    karvo=$(cut -d' ' -f1 "$work/karvo.times" | median)
    karvoPeak=$(cut -d' ' -f2 "$work/karvo.times" | median)
    tools=$(cut -d' ' -f1 "$work/tools.times" | median)
    toolsPeak=$(cut -d' ' -f2 "$work/tools.times" | median)
    same=$(cmp -s "$path.utf8" "$path.iconv" && echo yes || echo NO)
    printf '%-16s %5s %8.3f s %6.1f MiB %13.3f s %6.1f MiB %6s %11.2fx\n' \
        "$file" "$size" "$karvo" "$karvoPeak" "$tools" "$toolsPeak" "$same" \
        "$(awk -v a="$karvo" -v b="$tools" 'BEGIN { print a / b }')"
done
