#!/usr/bin/env bash
# Completes a few command lines with the bash completion that the package
# installs, as bash would on Tab, and checks the offers: options from
# --help, --window's own options, encodings from --list-encodings.
#
#   data/check-completion.sh KARVO_BINARY COMPLETION_SCRIPT
set -euo pipefail
karvo=$1
script=$2
framework=/usr/share/bash-completion/bash_completion
[ -f "$framework" ] || { echo "$framework not found: install the Debian package bash-completion" >&2; exit 1; }
set +eu
# shellcheck disable=SC1090
source "$framework"
# shellcheck disable=SC1090
source "$script"

failed=0
# offers EXPECTED WORD...: Tab after the words offers EXPECTED, among others.
offers() {
    local expected=$1
    shift
    COMP_WORDS=("$karvo" "$@")
    COMP_CWORD=$#
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _karvo "$karvo" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    if ! printf '%s\n' "${COMPREPLY[@]}" | grep -qxF -- "$expected"; then
        echo "FAIL: karvo $* <Tab> offers '${COMPREPLY[*]}', not $expected" >&2
        failed=1
    fi
}

offers --stdout --st
offers --force-encoding --force
offers --window --w
offers --ask --window --a
offers GB18030 -t GB1
offers Shift_JIS --force-encoding Shift
offers windows-1252 --to windows-125
offers cp1252 -t cp125
offers --backup-dir --back
exit $failed
