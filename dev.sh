#!/usr/bin/env bash
# Sets up a Debian 12 machine for Karvo and builds it, then starts Karvo
# ("./dev.sh start", on Qt 5) or runs the whole test suite ("./dev.sh
# test") three times: on Qt 5 in build/, on Qt 5 under the address and
# undefined-behaviour sanitizers in build-sanitize/, and on Qt 6 in
# build-qt6/.
# Safe to run again: it installs only what is missing and rebuilds only
# what changed.
set -euo pipefail
cd "$(dirname "$0")"

# Building needs Qt's translation tools (lupdate, lrelease and their CMake
# package); running needs Qt's own catalogues for the standard buttons, and
# a font with Chinese, Japanese and Korean for those translations.
packages=(cmake ninja-build g++ pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libuchardet-dev fonts-dejavu-core fonts-wqy-microhei)
# The same for Qt 6, whose QTextCodec is in Core5Compat and whose lupdate
# and lrelease come apart from their CMake package.
qt6_packages=(qt6-base-dev qt6-5compat-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The packaging tests validate the desktop files against the MIME types the
# system knows, complete command lines with bash's completion, and build and
# lint the Debian package; the command line's tests run git diff through
# karvo.
test_packages=(desktop-file-utils shared-mime-info bash-completion appstream dpkg-dev file groff-base lintian git)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]} ..."
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
}

# build DIR TARGET [CMAKE_ARGS...]: configure, then build TARGET ("all" for
# everything) quietly; show the log only on failure.
build() {
    local dir=$1 target=$2
    shift 2
    mkdir -p "$dir"
    if ! { cmake -S . -B "$dir" -G Ninja "$@" && cmake --build "$dir" --target "$target"; } > "$dir/build.log" 2>&1; then
        cat "$dir/build.log"
        echo "Build failed; the log is in $dir/build.log." >&2
        exit 1
    fi
}

case "${1:-}" in
start)
    install_missing "${packages[@]}"
    build build karvo -DKARVO_QT_MAJOR=5
    exec build/app/karvo
    ;;
test)
    install_missing "${packages[@]}" "${qt6_packages[@]}" "${test_packages[@]}"
    # Every suite runs, so that one run shows all that fails.
    failed=()
    # suite NAME DIR [CMAKE_ARGS...]: build everything in DIR and run its tests.
    suite() {
        local name=$1 dir=$2
        shift 2
        echo "The tests on $name:"
        build "$dir" all -DBUILD_TESTING=ON "$@"
        ctest --test-dir "$dir" --output-on-failure || failed+=("$name")
    }
    suite "Qt 5" build -DKARVO_QT_MAJOR=5
    suite "Qt 5 under AddressSanitizer and UndefinedBehaviorSanitizer" build-sanitize -DKARVO_QT_MAJOR=5 -DKARVO_SANITIZE=ON
    suite "Qt 6" build-qt6 -DKARVO_QT_MAJOR=6
    if [ ${#failed[@]} -gt 0 ]; then
        printf 'Failed: the tests on %s\n' "${failed[@]}" >&2
        exit 1
    fi
    ;;
*)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
