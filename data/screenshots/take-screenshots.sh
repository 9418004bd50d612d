#!/usr/bin/env bash
# Retakes the README's screenshots from a real run: Karvo under Xvfb, and a
# small GTK window that drags a folder of sample files onto it the way a
# file manager does (XDND, driven by xdotool).
#
#   data/screenshots/take-screenshots.sh [build folder]
#
# Needs: xvfb imagemagick xdotool python3-gi gir1.2-gtk-3.0 (Debian packages).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
karvo=$(cd "${1:-$here/../../build}" && pwd)/app/karvo
samples=$here/../../tests/data
work=$(mktemp -d)
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 800x600x24 > /dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2> /dev/null; rm -rf "$work"' EXIT
sleep 1

mkdir "$work/notes"
iconv -f UTF-8 -t GB18030 "$samples/zh-hans.txt" > "$work/notes/春天.txt"
iconv -f UTF-8 -t SHIFT_JIS "$samples/ja.txt" > "$work/notes/日本語.txt"
iconv -f UTF-8 -t WINDOWS-1252 "$samples/fr.txt" > "$work/notes/printemps.txt"
iconv -f UTF-8 -t KOI8-R "$samples/ru.txt" > "$work/notes/весна.txt"
printf 'plain ASCII notes\n' > "$work/notes/notes.txt"
: > "$work/notes/empty.txt"

cat > "$work/drag.py" << 'PY'
import sys
import gi
gi.require_version('Gtk', '3.0')
from gi.repository import Gtk, Gdk
window = Gtk.Window(title='drag source')
window.set_default_size(120, 80)
window.move(500, 300)
button = Gtk.Button(label='drag me')
button.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
button.drag_source_add_uri_targets()
button.connect('drag-data-get', lambda w, c, data, i, t: data.set_uris(['file://' + sys.argv[1]]))
window.add(button)
window.show_all()
Gtk.main()
PY

"$karvo" > /dev/null 2>&1 &
pids+=($!)
sleep 2
import -window root -crop 400x260+0+0 +repage "$here/drop-page.png"

/usr/bin/python3 "$work/drag.py" "$work/notes" > /dev/null 2>&1 &
pids+=($!)
sleep 2
xdotool mousemove 540 320 mousedown 1
for x in 500 400 300 200; do xdotool mousemove "$x" 100; sleep 0.2; done
xdotool mousemove 200 90
sleep 0.5
xdotool mouseup 1
sleep 2
import -window root -crop 400x260+0+0 +repage "$here/result-page.png"

xdotool mousemove 201 162 click 1
sleep 1
import -window root -crop 580x380+0+0 +repage "$here/detail-dialog.png"
echo "Screenshots written to $here"
