#!/usr/bin/env bash
# Makes every set the detection figures are measured on, from Debian's
# archive alone, so that a new machine gets them in one step:
#
#   bench/corpus/make-sets.sh [CACHE] [OUT]
#
# CACHE is build-models.py's (~/.cache/karvo-models; its text is split
# there first if it is not yet). OUT (/tmp/karvo-sets) gets dev-11 … dev-15
# and test-11 … test-14 (bench/corpus/real.py, the seeds our figures are
# given for), qt-1 … qt-3 (Qt's own translations, bench/corpus/qm-text.py),
# gb18030-chunks (held-out manual pages, bench/corpus/manpage-chunks.py) and
# uchardet (its own test files, bench/corpus/uchardet-tests.py). Then
# bench/detection-figures.sh BUILD OUT counts them. Some 2 to 3 minutes,
# besides the download and split the first time.
set -euo pipefail
cd "$(dirname "$0")/../.."
cache=${1:-$HOME/.cache/karvo-models}
out=${2:-/tmp/karvo-sets}

[ -d "$cache/text/dev" ] || python3 engine/detect/models/build-models.py --cache "$cache" --only-text
mkdir -p "$out"
for seed in 11 12 13 14 15; do
    python3 bench/corpus/real.py "$cache/text" "$out/dev-$seed" --part dev --seed "$seed"
done
for seed in 11 12 13 14; do
    python3 bench/corpus/real.py "$cache/text" "$out/test-$seed" --part test --seed "$seed"
done
python3 bench/corpus/qm-text.py "$out/qt-text"
for seed in 1 2 3; do
    python3 bench/corpus/real.py "$out/qt-text" "$out/qt-$seed" --part test --seed "$seed"
done
python3 bench/corpus/manpage-chunks.py "$cache" "$out/gb18030-chunks" --held-out
python3 bench/corpus/uchardet-tests.py "$out/uchardet"
