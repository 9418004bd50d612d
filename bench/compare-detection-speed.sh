#!/usr/bin/env bash
# Detection alone, side by side: `karvo -n --json DIR` against `uchardet`
# given the very same files in one process (`uchardet FILE...`), on
# COUNT files of KiB each: GB18030 Chinese prose (karvo-run-bench make) and,
# when a corpus made by bench/corpus/real.py is given, files cut from it in
# every legacy encoding it holds. The two take turns, run after run; each
# figure is the median of the runs, wall time and processor time.
#
#   bench/compare-detection-speed.sh [COUNT] [KiB] [build folder] [runs] [real corpus]
set -euo pipefail

count=${1:-2000}
kib=${2:-4}
build=${3:-build}
runs=${4:-5}
corpus=${5:-}
bench="$build/bench/karvo-run-bench"
karvo=$(realpath "$build/app/karvo")
[ -x "$bench" ] && [ -x "$karvo" ] || { echo "build Karvo first: $bench or $karvo is missing" >&2; exit 1; }
command -v uchardet > /dev/null || { echo "needs the uchardet command: apt-get install uchardet" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time: apt-get install time" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/karvo-speed-XXXXXX")
trap 'rm -rf "$work"' EXIT
"$bench" make "$work/gb18030" "$count" "$kib" > /dev/null
sets=(gb18030)
if [ -n "$corpus" ]; then
    # COUNT files of the corpus, each repeated to KiB, in whole lines.
    mkdir -p "$work/mixed"
    python3 -c '
import os, sys
corpus, out, count, kib = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
names = [line.split("\t")[0] for line in open(os.path.join(corpus, "manifest.tsv"))][:count]
for name in names:
    data = open(os.path.join(corpus, name), "rb").read().rstrip(b"\n") + b"\n"
    grown = (data * (kib * 1024 // len(data) + 1))[: kib * 1024]
    open(os.path.join(out, name), "wb").write(grown[: grown.rfind(b"\n") + 1] or data)
' "$corpus" "$work/mixed" "$count" "$kib"
    sets+=(mixed)
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Wall and processor seconds of a command, its output thrown away. time(1)
# gives wall time in hundredths, too coarse for runs of a fifth of a second:
# the clock is read around it.
measure() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%U %S" -o "$work/time" "$@" > /dev/null 2>&1 || true
    end=$(date +%s%N)
    tail -n 1 "$work/time" | awk -v ns=$((end - start)) '{ printf "%.4f %.2f\n", ns / 1e9, $1 + $2 }'
}

printf '%s files of %s KiB each, %s runs taking turns, medians, on %s cores\n' "$count" "$kib" "$runs" "$(nproc)"
printf '%-10s %12s %12s %14s %14s %10s %10s\n' "files" "karvo wall" "karvo cpu" "uchardet wall" "uchardet cpu" "wall x" "cpu x"
for set in "${sets[@]}"; do
    dir="$work/$set"
    cat "$dir"/* > /dev/null
    : > "$work/karvo.times"
    : > "$work/uchardet.times"
    for run in $(seq "$runs"); do
        measure "$karvo" -n --json "$dir" >> "$work/karvo.times"
        measure uchardet "$dir"/* >> "$work/uchardet.times"
    done
    kw=$(cut -d' ' -f1 "$work/karvo.times" | median)
    kc=$(cut -d' ' -f2 "$work/karvo.times" | median)
    uw=$(cut -d' ' -f1 "$work/uchardet.times" | median)
    uc=$(cut -d' ' -f2 "$work/uchardet.times" | median)
    printf '%-10s %10.3f s %10.2f s %12.3f s %12.2f s %9.2fx %9.2fx\n' "$set" "$kw" "$kc" "$uw" "$uc" \
        "$(awk -v a="$kw" -v b="$uw" 'BEGIN { print a / b }')" "$(awk -v a="$kc" -v b="$uc" 'BEGIN { print a / b }')"
done
