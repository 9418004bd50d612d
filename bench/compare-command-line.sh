#!/usr/bin/env bash
# The karvo command beside the shell loops people write around uchardet and
# iconv, on copies of one folder of small GB18030 files: converting them to
# UTF-8 in place, and only detecting them (karvo -n --json against uchardet
# run once per file). The converted folders are compared byte for byte.
#
#   bench/compare-command-line.sh [COUNT] [KiB] [build folder]
set -euo pipefail

count=${1:-2000}
kib=${2:-4}
build=${3:-build}
bench="$build/bench/karvo-run-bench"
karvo=$(realpath "$build/app/karvo")
[ -x "$bench" ] && [ -x "$karvo" ] || { echo "build Karvo first: $bench or $karvo is missing" >&2; exit 1; }
command -v uchardet > /dev/null || { echo "needs the uchardet command: apt-get install uchardet" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/karvo-cli-XXXXXX")
trap 'rm -rf "$work"' EXIT
"$bench" make "$work/original" "$count" "$kib"
cp -r "$work/original" "$work/karvo"
cp -r "$work/original" "$work/shell"

# Each side starts with its files read once (the machine may drop idle
# files from its cache) and with nothing left to write back from making
# them, so that neither pays the disk for the other or for the setup.
warm() { cat "$1"/* > /dev/null; sync; }
now() { date +%s%N; }
seconds() { awk -v ns=$(($(now) - $1)) 'BEGIN { printf "%.3f", ns / 1e9 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }

warm "$work/karvo"
start=$(now)
"$karvo" -q -t UTF-8 "$work/karvo"
karvo_convert=$(seconds "$start")

warm "$work/shell"
start=$(now)
(cd "$work/shell" && for f in *; do e=$(uchardet "$f"); iconv -f "$e" -t UTF-8 "$f" > ../t && mv ../t "$f"; done)
shell_convert=$(seconds "$start")
same=$(diff -r -q "$work/karvo" "$work/shell" > /dev/null && echo yes || echo NO)

warm "$work/original"
start=$(now)
"$karvo" -n --json "$work/original" > "$work/report.json"
karvo_detect=$(seconds "$start")

warm "$work/original"
start=$(now)
(cd "$work/original" && for f in *; do uchardet "$f"; done) > "$work/uchardet.txt"
shell_detect=$(seconds "$start")
agree=$(grep -c '"detected": "GB18030"' "$work/report.json" || true)

printf '%s files of %s KiB, GB18030, on %s cores\n' "$count" "$kib" "$(nproc)"
printf '  convert to UTF-8 in place\n'
printf '    karvo -t UTF-8 DIR    %8.3f s\n' "$karvo_convert"
printf '    uchardet + iconv loop %8.3f s  (%sx karvo)\n' "$shell_convert" "$(ratio "$shell_convert" "$karvo_convert")"
printf '    same bytes: %s\n' "$same"
printf '  detect only\n'
printf '    karvo -n --json DIR   %8.3f s\n' "$karvo_detect"
printf '    uchardet per file     %8.3f s  (%sx karvo)\n' "$shell_detect" "$(ratio "$shell_detect" "$karvo_detect")"
printf '    files karvo found GB18030: %s of %s\n' "$agree" "$count"
