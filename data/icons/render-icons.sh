#!/usr/bin/env bash
# Redraws the committed PNG icons from org.karvo.Karvo.svg. They are kept in
# the repository so that a build needs no SVG renderer; run this after an
# edit of the SVG and commit the result.
#
# Needs: librsvg2-bin (Debian package).
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "${size}x${size}/org.karvo.Karvo.png" org.karvo.Karvo.svg
done
