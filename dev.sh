#!/usr/bin/env bash
# Sets up a Debian 12 machine for Karvo and builds it, then starts Karvo
# ("./dev.sh start") or runs the whole test suite ("./dev.sh test"), once
# in a plain build and once under the address and undefined-behaviour
# sanitizers.
# Safe to run again: it installs only what is missing and rebuilds only
# what changed.
set -euo pipefail
cd "$(dirname "$0")"

# Building needs Qt's translation tools (lupdate, lrelease and their CMake
# package); running needs Qt's own catalogues for the standard buttons, and
# a font with Chinese, Japanese and Korean for those translations.
packages=(cmake ninja-build g++ pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libuchardet-dev fonts-dejavu-core fonts-wqy-microhei)
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
    build build karvo
    exec build/app/karvo
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build build all -DBUILD_TESTING=ON
    ctest --test-dir build --output-on-failure
    echo "The same tests under AddressSanitizer and UndefinedBehaviorSanitizer:"
    build build-sanitize all -DBUILD_TESTING=ON -DKARVO_SANITIZE=ON
    ctest --test-dir build-sanitize --output-on-failure
    ;;
*)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
