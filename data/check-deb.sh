#!/usr/bin/env bash
# Builds the Debian package into a scratch folder, runs lintian on it, unpacks
# it with dpkg -x and checks that it holds exactly the files a desktop looks
# for, where it looks for them, and that it depends on the libraries karvo
# links.
#
#   data/check-deb.sh BUILD_DIR VERSION [CPACK]
#
# Run by ctest (test packaging_deb) after a build. Needs: dpkg-dev (for
# dpkg-shlibdeps), file (CPack uses it to find the binaries to scan) and
# lintian.
set -euo pipefail
build=$1
version=$2
cpack=${3:-cpack}

for tool in dpkg-shlibdeps:dpkg-dev file:file dpkg-deb:dpkg lintian:lintian; do
    if ! command -v "${tool%%:*}" > /dev/null; then
        echo "${tool%%:*} not found: install the Debian package ${tool#*:}" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Under the umask many desktop users have, so that lintian sees any
# permission that follows it into the package.
if ! (umask 002 && "$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake") > "$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "cpack failed" >&2
    exit 1
fi

# CPack reports a bad setting (a field it cannot quote, a tool it lacks) as a
# warning and goes on.
if grep -q 'Warning' "$work/cpack.log"; then
    cat "$work/cpack.log"
    echo "cpack warned" >&2
    exit 1
fi

deb=$work/karvo_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "cpack did not write $(basename "$deb"); it wrote:" >&2
    ls "$work" >&2
    exit 1
fi

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

# Errors and warnings fail; the informational and pedantic tags are shown, as
# they are cheap to fix when they appear. Lintian's complaint about running
# as root is left out of the log.
if ! lintian --fail-on error,warning --info --pedantic "$deb" 2> >(grep -v 'root privileges' >&2); then
    fail "lintian found errors or warnings"
fi

root=$work/root
dpkg -x "$deb" "$root"

# Exactly these files: a missing one breaks the desktop integration, and a
# stray one is something installed by mistake.
expected="usr/bin/karvo
usr/share/applications/org.karvo.Karvo.desktop
usr/share/bash-completion/completions/karvo
usr/share/doc/karvo/changelog.gz
usr/share/doc/karvo/copyright
usr/share/icons/hicolor/128x128/apps/org.karvo.Karvo.png
usr/share/icons/hicolor/256x256/apps/org.karvo.Karvo.png
usr/share/icons/hicolor/48x48/apps/org.karvo.Karvo.png
usr/share/icons/hicolor/scalable/apps/org.karvo.Karvo.svg
usr/share/kio/servicemenus/org.karvo.Karvo.convert.desktop
usr/share/man/man1/karvo.1.gz
usr/share/metainfo/org.karvo.Karvo.metainfo.xml"
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    fail "the package's files differ from the expected list (-expected +packaged):"
    diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | sed 's/^</-/; s/^>/+/' >&2 || true
fi

[ -x "$root/usr/bin/karvo" ] || fail "usr/bin/karvo is not executable"

# The names inside the files must lead to the installed files.
desktop=$root/usr/share/applications/org.karvo.Karvo.desktop
if [ -f "$desktop" ]; then
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ "$exec_line" = "karvo --window %F" ] \
        || fail "Exec=$exec_line, expected 'karvo --window %F' (on PATH as usr/bin/karvo)"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    for size in 48 128 256; do
        png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
        if [ ! -f "$png" ]; then
            fail "no ${size}x${size} icon for Icon=$icon"
        elif ! file -b "$png" | grep -q "PNG image data, $size x $size,"; then
            fail "${size}x${size}/apps/$icon.png is $(file -b "$png")"
        fi
    done
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon for Icon=$icon"
fi
# Each context menu action starts the karvo that the package installs.
servicemenu=$root/usr/share/kio/servicemenus/org.karvo.Karvo.convert.desktop
if [ -f "$servicemenu" ]; then
    other=$(sed -n 's/^Exec=//p' "$servicemenu" | grep -v '^karvo --window ' || true)
    [ -z "$other" ] || fail "a service menu action runs '$other', not karvo --window"
    [ "$(grep -c '^Exec=karvo --window ' "$servicemenu")" -eq 2 ] || fail "the service menu lacks its two actions"
fi
metainfo=$root/usr/share/metainfo/org.karvo.Karvo.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -qF '<launchable type="desktop-id">org.karvo.Karvo.desktop</launchable>' "$metainfo" \
        || fail "the metainfo does not launch org.karvo.Karvo.desktop"
fi
# A release whose changelog does not start with its own entry.
changelog=$root/usr/share/doc/karvo/changelog.gz
if [ -f "$changelog" ]; then
    top=$(gzip -dc "$changelog" | head -n 1)
    case "$top" in
    "karvo ($version) "*) ;;
    *) fail "the changelog starts with '$top', not with version $version" ;;
    esac
fi
man=$root/usr/share/man/man1/karvo.1.gz
if [ -f "$man" ]; then
    gzip -dc "$man" | grep -q '^\.TH KARVO 1 ' || fail "karvo.1.gz is not the karvo(1) page"
fi

# dpkg-shlibdeps fills Depends in from the libraries karvo links; an empty
# field means it did not run. The Qt libraries, and the package of Qt's own
# catalogues, are those of the Qt major version the build folder uses.
qt_major=$(sed -n 's/^KARVO_QT_MAJOR:[A-Z]*=//p' "$build/CMakeCache.txt")
case "$qt_major" in
5)
    qt_libraries="libqt5widgets5 libqt5gui5 libqt5core5a"
    qt_translations=qttranslations5-l10n
    ;;
6)
    qt_libraries="libqt6widgets6 libqt6gui6 libqt6core6 libqt6core5compat6"
    qt_translations=qt6-translations-l10n
    ;;
*)
    echo "$build/CMakeCache.txt names no Qt major version (KARVO_QT_MAJOR is '$qt_major')" >&2
    exit 1
    ;;
esac
control=$(dpkg-deb -f "$deb" Package Version Architecture Depends Recommends)
depends=$(dpkg-deb -f "$deb" Depends)
for library in $qt_libraries libuchardet0 libc6; do
    echo "$depends" | grep -Eq "(^|, )$library( |,|$)" || fail "Depends lacks $library: '$depends'"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is not $version"
[ "$(dpkg-deb -f "$deb" Recommends)" = "$qt_translations" ] \
    || fail "Recommends is not $qt_translations, so the standard buttons may stay in English"

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "$(basename "$deb") holds what the desktop expects:"
echo "$control"
