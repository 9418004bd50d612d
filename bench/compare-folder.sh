#!/usr/bin/env bash
# A folder of small files, converted to UTF-8 in place: Karvo's run beside
# the shell loop people write around uchardet and iconv, on copies of the
# same files; the results are compared byte for byte. Karvo's figure leaves
# out the window's two fixed 500 ms pauses.
#
#   bench/compare-folder.sh [COUNT] [KiB] [build folder]
set -euo pipefail

count=${1:-500}
kib=${2:-4}
build=${3:-build}
bench="$build/bench/karvo-run-bench"
[ -x "$bench" ] || { echo "build Karvo first: $bench is missing" >&2; exit 1; }
command -v uchardet > /dev/null || { echo "needs the uchardet command: apt-get install uchardet" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/karvo-folder-XXXXXX")
trap 'rm -rf "$work"' EXIT
"$bench" make "$work/original" "$count" "$kib"
cp -r "$work/original" "$work/karvo"
cp -r "$work/original" "$work/shell"

# Each side starts with its files read once (the machine may drop idle
# files from its cache) and with nothing left to write back from making
# them, so that neither pays the disk for the other or for the setup.
warm() { cat "$1"/* > /dev/null; sync; }
warm "$work/karvo"
karvo=$("$bench" run "$work/karvo" | awk '{ print $(NF - 1) }')
warm "$work/shell"
start=$(date +%s%N)
(cd "$work/shell" && for f in *; do e=$(uchardet "$f"); iconv -f "$e" -t UTF-8 "$f" > ../t && mv ../t "$f"; done)
shell=$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
same=$(diff -r -q "$work/karvo" "$work/shell" > /dev/null && echo yes || echo NO)

printf '%s files of %s KiB, GB18030 to UTF-8 in place\n' "$count" "$kib"
printf '  Karvo run        %8.3f s\n  uchardet + iconv %8.3f s  (%.1fx Karvo)\n  same bytes: %s\n' \
    "$karvo" "$shell" "$(awk -v a="$shell" -v b="$karvo" 'BEGIN { print a / b }')" "$same"
