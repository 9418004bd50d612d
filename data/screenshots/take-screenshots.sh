#!/usr/bin/env bash
# Retakes the README's screenshots from a real run: Karvo under Xvfb, and a
# small GTK window that drags a folder of sample files onto it the way a
# file manager does (XDND, driven by xdotool). Each picture is taken twice:
# NAME.png at the usual scale and NAME@2x.png with QT_SCALE_FACTOR=2, as on
# a high-DPI screen. With a LANGUAGE (zh_CN, ru, ...), the drop page, the
# summary, Detail and Review are taken once more in that language, as
# NAME-LANGUAGE.png.
#
#   data/screenshots/take-screenshots.sh [build folder] [LANGUAGE]
#
# Needs: xvfb imagemagick xdotool python3-gi gir1.2-gtk-3.0 pngcrush
# fonts-wqy-microhei (Debian packages; the font draws the Chinese and
# Japanese file names).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
karvo=$(cd "${1:-$here/../../build}" && pwd)/app/karvo
language=${2:-}
samples=$here/../../tests/data
work=$(mktemp -d)
display=97
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1600x1200x24 > /dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2> /dev/null; rm -rf "$work"' EXIT
sleep 1
# Karvo starts as on a fresh account: no save folder, UTF-8, no runs to undo.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

make_samples() {
    mkdir "$work/notes"
    iconv -f UTF-8 -t GB18030 "$samples/zh-hans.txt" > "$work/notes/春天.txt"
    iconv -f UTF-8 -t SHIFT_JIS "$samples/ja.txt" > "$work/notes/日本語.txt"
    iconv -f UTF-8 -t WINDOWS-1252 "$samples/fr.txt" > "$work/notes/printemps.txt"
    iconv -f UTF-8 -t KOI8-R "$samples/ru.txt" > "$work/notes/весна.txt"
    printf 'plain ASCII notes\n' > "$work/notes/notes.txt"
    : > "$work/notes/empty.txt"
    # Too short to tell GB18030 from its rivals: files for Review.
    printf '中文' | iconv -f UTF-8 -t GB18030 > "$work/notes/短.txt"
    printf '天气' | iconv -f UTF-8 -t GB18030 > "$work/notes/天气.txt"
}
make_samples

cat > "$work/drag.py" << 'PY'
import sys
import gi
gi.require_version('Gtk', '3.0')
from gi.repository import Gtk, Gdk
window = Gtk.Window(title='drag source')
window.set_default_size(120, 80)
window.move(int(sys.argv[2]), int(sys.argv[3]))
button = Gtk.Button(label='drag me')
button.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
button.drag_source_add_uri_targets()
button.connect('drag-data-get', lambda w, c, data, i, t: data.set_uris(['file://' + sys.argv[1]]))
window.add(button)
window.show_all()
Gtk.main()
PY

# shoot SCALE SUFFIX: starts Karvo at SCALE, then takes the drop page, the
# page lit under a drag, the summary, and the Detail and Review dialogs.
shoot() {
    local scale=$1 suffix=$2 karvo_pid drag_pid
    at() { echo $(($1 * scale)); }
    QT_SCALE_FACTOR=$scale "$karvo" > /dev/null 2>&1 &
    karvo_pid=$!
    pids+=($karvo_pid)
    sleep 2
    import -window root -crop "$(at 400)x$(at 260)+0+0" +repage "$work/drop-page$suffix.png"

    # The drag source sits clear of Karvo's window, which is twice as large at 2x.
    /usr/bin/python3 "$work/drag.py" "$work/notes" "$(at 500)" "$(at 300)" > /dev/null 2>&1 &
    drag_pid=$!
    pids+=($drag_pid)
    sleep 2
    xdotool mousemove "$(at 540)" "$(at 320)" mousedown 1
    # Drop in the page's empty top-right corner, where the pointer hides nothing.
    for x in 500 450 400 350; do xdotool mousemove "$(at "$x")" "$(at 100)"; sleep 0.2; done
    xdotool mousemove "$(at 345)" "$(at 60)"
    sleep 0.5
    import -window root -crop "$(at 400)x$(at 260)+0+0" +repage "$work/drag-hover$suffix.png"
    xdotool mouseup 1
    sleep 2
    import -window root -crop "$(at 400)x$(at 260)+0+0" +repage "$work/result-page$suffix.png"

    # Detail and Review stand side by side under the summary.
    xdotool mousemove "$(at 150)" "$(at 165)" click 1
    sleep 1
    import -window root -crop "$(at 880)x$(at 440)+0+0" +repage "$work/detail-dialog$suffix.png"
    xdotool key Escape
    sleep 0.5
    xdotool mousemove "$(at 248)" "$(at 165)" click 1
    sleep 1
    import -window root -crop "$(at 760)x$(at 460)+0+0" +repage "$work/review-dialog$suffix.png"
    kill "$karvo_pid" "$drag_pid"
    wait "$karvo_pid" "$drag_pid" 2> /dev/null || true
    # The samples were converted in place; the next round starts from them again.
    rm -rf "$work/notes"
    make_samples
}

if [ -n "$language" ]; then
    # Karvo reads its language from LANGUAGE; LANG gives the rest of the locale.
    region=$language
    [[ $region == *_* ]] || region=${language}_${language^^}
    LANGUAGE=$language LANG=$region.UTF-8 shoot 1 ""
    for name in drop-page result-page detail-dialog review-dialog; do
        mv "$work/$name.png" "$work/$name-$language.png"
    done
    rm "$work/drag-hover.png"
else
    shoot 1 ""
    shoot 2 "@2x"
fi
for picture in "$work"/*.png; do
    # Smaller files, and no time stamps to churn the repository.
    pngcrush -q -rem alla -rem text "$picture" "$here/$(basename "$picture")" > /dev/null 2>&1
done
echo "Screenshots written to $here"
