#!/bin/sh
# Runs a program on the virtual screen xvfb-run has made, under a window manager: Wine waits
# for one to take away each window that is hidden, two seconds a window where there is none.
# A Wine server left from an earlier program knows no screen, and windows made through it
# fail: the program waits for it to end and starts one of its own.
#
#   xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" sh on-virtual-screen.sh PROGRAM ARGS…
wineserver -w
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
# The window manager has taken the screen when it names itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && break
    sleep 0.05
done
"$@"
status=$?
kill $manager
exit $status
