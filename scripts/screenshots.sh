#!/usr/bin/env bash
# Starts the program on a virtual 96 DPI screen with a window manager (openbox), works it as
# a user would (About, the four Browse buttons, Execute on the example scripts) and saves
# what the screen shows into docs/, each window with its frame: the main window at start-up,
# the main window with the completion dialog open, the About box, and the question asked of
# scripts of today's header forms. Needs Xvfb, openbox,
# xdotool and ImageMagick. With --windows it does the same with the Windows program under Wine,
# in the Windows build's Wine prefix, and saves the pictures as docs/windows-*.png.
#
#   scripts/screenshots.sh [path/to/Velb]                 (default: build/release/ui/qt/Velb)
#   scripts/screenshots.sh --windows [path/to/Velb.exe]   (default: build/windows/ui/win32/Velb.exe)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--windows" ]; then
    program="$(realpath "${2:-build/windows/ui/win32/Velb.exe}")"
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" --on-screen windows "$program"
elif [ "${1:-}" != "--on-screen" ]; then
    program="$(realpath "${1:-build/release/ui/qt/Velb}")"
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" --on-screen linux "$program"
fi
system="$2"
program="$3"
work="$(mktemp -d)"
if [ "$system" = windows ]; then
    export WINEPREFIX="$PWD/build/windows/wine" LOCPATH="$PWD/build/windows/locales" LC_ALL=zh_TW.UTF-8
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineserver -w # a server left by the tests knows no screen
    picture=docs/windows-
    start() { wine "$program"; }
    nameOf() { winepath -w "$1"; }
else
    picture=docs/
    start() { "$program"; }
    nameOf() { echo "$1"; }
fi
openbox &
trap 'kill %1; rm -rf "$work"' EXIT
sleep 1 # the window manager takes the screen before the first window maps

# Waits until a window whose title matches appears, prints its id, and lets it paint.
window() {
    xdotool search --sync --onlyvisible --name "$1" | head -1
    sleep 0.5
}

# Clicks at a point of the main window given in pixels: the centre of a button's twips
# rectangle, divided by 15.
click() {
    xdotool mousemove --window "$main" "$1" "$2" click 1
}

# Types keys into a window, through the keyboard focus as a user's typing goes.
typeInto() {
    local target="$1"
    shift
    xdotool windowfocus --sync "$target"
    xdotool "$@"
}

# Answers a file dialog by typing the path into its name field.
browse() {
    click "$1" "$2"
    local dialog
    dialog="$(window "^(開啟|另存新檔|打開|另存為)$")"
    typeInto "$dialog" type --delay 5 "$3"
    typeInto "$dialog" key Return
    sleep 0.3
}

# The report goes into the program's current directory: keep it out of the repository.
(cd "$work" && start) &
velb=$!
main="$(window "^Velbrix ")"
import -frame -window "$main" "${picture}main-window.png"

click 472 367 # About
about="$(window "^關於 Velbrix")"
import -frame -window "$about" "${picture}about.png"
typeInto "$about" key Return

cp examples/old_en.rc examples/old_zh.rc examples/new_en.rc "$work"
browse 374 54 "$(nameOf "$work/old_en.rc")"
browse 374 84 "$(nameOf "$work/old_zh.rc")"
browse 374 144 "$(nameOf "$work/new_en.rc")"
browse 374 172 "$(nameOf "$work/new_zh.rc")"
click 510 322 # Execute
completion="$(window "^轉換完成!$")"
# The dialog stands over the main window: take the screen where the main window's frame is.
frame="$(xwininfo -children -id "$main" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')"
eval "$(xwininfo -id "$frame" | awk '/Absolute upper-left X/{print "X="$NF} /Absolute upper-left Y/{print "Y="$NF} /Width/{print "WIDTH="$NF} /Height/{print "HEIGHT="$NF}')"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "${picture}completion.png"
typeInto "$completion" key Return

# Scripts of today's header forms: the window asks before it reads them, and 是 reads them.
cp tests/data/strings/old_en.rc tests/data/strings/old_zh.rc tests/data/strings/new_en.rc "$work"
browse 374 54 "$(nameOf "$work/old_en.rc")"
browse 374 84 "$(nameOf "$work/old_zh.rc")"
browse 374 144 "$(nameOf "$work/new_en.rc")"
click 510 322 # Execute
question="$(window "^Velbrix$")"
import -frame -window "$question" "${picture}question.png"
typeInto "$question" key Return
completion="$(window "^轉換完成!$")"
typeInto "$completion" key Return

click 548 367 # Exit
wait "$velb"
echo "saved ${picture}main-window.png ${picture}completion.png ${picture}about.png ${picture}question.png"
