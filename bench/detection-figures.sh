#!/usr/bin/env bash
# Our detection figures, on the sets that
# bench/corpus/make-sets.sh makes:
#
#   bench/detection-figures.sh [build folder] [SETS]
#
# For each part (dev, test, qt), over its draws: the lines, paragraphs and
# subtitle files right, asked and wrong, as counts and shares, and the
# language asked most in each draw; then the GB18030 chunks and uchardet's
# test files, every file. karvo-detect-accuracy DRAW --list shows the files
# behind a count.
set -euo pipefail
build=${1:-build}
sets=${2:-/tmp/karvo-sets}
accuracy="$build/bench/karvo-detect-accuracy"
[ -x "$accuracy" ] || { echo "build Karvo first: $accuracy is missing" >&2; exit 1; }

# The verdicts of one part's draws, one line a file that is not right:
# VERDICT PATH LANGUAGE FORM ...; and the summary line of each.
for part in dev test qt; do
    draws=$(ls -d "$sets/$part"-[0-9]* 2> /dev/null) || continue
    files=0
    worst=()
    lists=""
    for draw in $draws; do
        list=$("$accuracy" "$draw" --list)
        summary=$(grep '^AFTER  ' <<< "$list")
        files=$((files + $(sed -E 's/.*subtitles ([0-9]+):.*/\1/' <<< "$summary")))
        worst+=("$(sed -E 's/.*most asked: ([^;]*);.*/\1/' <<< "$summary")")
        lists+=$(grep -E '^(doubtful|doubt-miss|wrong|failed) ' <<< "$list" || true)$'\n'
    done
    awk -v part="$part" -v files="$files" -v worst="$(IFS=,; echo "${worst[*]}" | sed "s/,/, /g")" '
        $4 == "line" || $4 == "paragraph" || $4 == "srt" {
            if ($1 == "wrong" || $1 == "failed") wrong++; else asked++
        }
        END {
            printf "%-5s %6d files: right %.2f %%, asked %d (%.2f %%), wrong %d (%.3f %%); most asked per draw: %s\n",
                part, files, 100 * (files - asked - wrong) / files, asked, 100 * asked / files,
                wrong, 100 * wrong / files, worst
        }' <<< "$lists"
done
for set in gb18030-chunks uchardet; do
    [ -d "$sets/$set" ] || continue
    printf '%-15s right, asked, asked without the truth, wrong, failed: ' "$set"
    "$accuracy" "$sets/$set" | awk '/^AFTER \(/ { after = 1 } after && $1 == "ALL" { print $2, $3, $4, $5, $6; exit }'
done
