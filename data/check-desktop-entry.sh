#!/usr/bin/env bash
# The file managers' ways in: each entry starts karvo --window on a list of
# files (%F), and its MIME types are ones that shared-mime-info knows (an
# alias or a misspelt type would never match a file), among them every text
# kind Karvo is offered for.
#
#   data/check-desktop-entry.sh ENTRY.desktop...
set -euo pipefail
mime=/usr/share/mime
[ -f "$mime/text/plain.xml" ] || { echo "$mime not found: install the Debian package shared-mime-info" >&2; exit 1; }

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

for entry in "$@"; do
    name=$(basename "$entry")
    while read -r line; do
        [[ $line == "karvo --window "*"%F" ]] || fail "$name: Exec=$line does not start karvo --window on %F"
    done < <(sed -n 's/^Exec=//p' "$entry")
    types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d')
    for type in text/plain text/csv application/x-subrip text/x-ssa text/x-microdvd text/html application/xml \
        text/x-csrc text/x-c++src text/x-python3 text/x-java application/x-shellscript; do
        grep -qxF "$type" <<< "$types" || fail "$name: MimeType lacks $type"
    done
    for type in $types; do
        [ -f "$mime/$type.xml" ] || fail "$name: $type is not a type that shared-mime-info knows"
    done
done
exit $failed
