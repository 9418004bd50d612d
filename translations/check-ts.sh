#!/bin/sh
# Fails on a translation that is not complete: an entry lupdate marked
# unfinished (a new or changed text), one whose text is gone from the
# sources (vanished, obsolete), an empty translation, or a file whose
# language is not the one its name says.
#
#   translations/check-ts.sh translations/karvo_*.ts
status=0
for ts in "$@"; do
    language=$(basename "$ts" .ts)
    language=${language#karvo_}
    if ! grep -q "^<TS version=\"[0-9.]*\" language=\"${language}[_\"]" "$ts"; then
        echo "$ts: not marked as language=\"$language\"" >&2
        status=1
    fi
    # -B1 shows the source text above each faulty translation.
    if grep -n -B1 -e 'type="\(unfinished\|vanished\|obsolete\)"' -e '<translation></translation>' \
        -e '<translation/>' -e '<numerusform></numerusform>' "$ts" >&2; then
        echo "$ts: the entries above are not translated, or their text is gone" >&2
        status=1
    fi
done
exit $status
