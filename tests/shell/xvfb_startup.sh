#!/usr/bin/env bash
# Starts the editor on its own X server: the splash first, then after two
# seconds the main window with an untitled page, maximised, and New's page
# setup dialog.
set -u
exe="$1"; home="$2"
for n in $(seq 91 130); do [ -e /tmp/.X$n-lock ] || { display=":$n"; break; }; done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $apid $xpid 2>/dev/null; wait 2>/dev/null' EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb ZEPHYRA_HOME="$home"
for i in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
"$exe" >/dev/null 2>&1 &
apid=$!
fail() { echo "FAIL: $*"; exit 1; }
sleep 1
xdotool search --onlyvisible --name '^Zephyra$' >/dev/null || fail "no splash after 1 s"
xdotool search --onlyvisible --name 'Zephyra1\.2\[' >/dev/null && fail "main window before the splash ended"
for i in $(seq 40); do
  win=$(xdotool search --onlyvisible --name 'Zephyra1\.2\[제목없음\]' 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.25
done
[ -n "$win" ] || fail "no main window titled Zephyra1.2[제목없음]"
xdotool search --onlyvisible --name '^Zephyra$' >/dev/null && fail "splash still shown"
width=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
[ "${width:-0}" -ge 1200 ] || fail "main window not maximised (width $width)"
# New opens the page setup dialog over it, modal; Escape cancels it.
dlg=$(xdotool search --onlyvisible --name '^용지설정$' 2>/dev/null | head -1)
[ -n "$dlg" ] || fail "no page setup dialog 용지설정 after New"
xdotool windowfocus --sync "$dlg" key Escape
for i in $(seq 20); do
  xdotool search --onlyvisible --name '^용지설정$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^용지설정$' >/dev/null 2>&1 && fail "page setup did not close on Escape"
echo "PASS"
