#!/usr/bin/env bash
# Puts Karvo's engine beside the command-line tools that do the same job:
# karvo-bench generates the files and measures detection plus conversion to
# UTF-8; then `uchardet FILE` and `iconv -f CHARSET -t UTF-8 FILE` run on the
# very same files. Each figure is the median of three runs; the outputs of
# both are compared byte for byte.
#
#   bench/compare-with-iconv.sh [MiB] [build folder]
set -euo pipefail

size=${1:-128}
build=${2:-build}
bench="$build/bench/karvo-bench"
[ -x "$bench" ] || { echo "build Karvo first: $bench is missing" >&2; exit 1; }
command -v uchardet > /dev/null || { echo "needs the uchardet command: apt-get install uchardet" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/karvo-compare-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$bench" "$size" "$work" | tee "$work/karvo.txt"

median() { sort -n | sed -n 2p; }
seconds() { # seconds COMMAND...: wall-clock time of one run
    local start end
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.3f\n", ns / 1e9 }'
}

echo
printf '%-18s %14s %16s %8s\n' "file" "Karvo" "uchardet+iconv" "same?"
for file in chinese.gb18030 western.cp1252; do
    charset=$(uchardet "$work/$file")
    tools=$(for run in 1 2 3; do
        seconds sh -c "uchardet '$work/$file' > /dev/null && iconv -f '$charset' -t UTF-8 '$work/$file' > '$work/$file.iconv'"
    done | median)
    karvo=$(awk -v f="$file" '$1 == "summary" && $2 == f { print $3 }' "$work/karvo.txt")
    same=$(cmp -s "$work/$file.utf8" "$work/$file.iconv" && echo yes || echo NO)
    printf '%-18s %12.3f s %14.3f s %8s\n' "$file" "$karvo" "$tools" "$same"
done
