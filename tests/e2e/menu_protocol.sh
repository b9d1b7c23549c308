#!/bin/sh
# End to end, as a user meets the program: install it into a temporary
# prefix, start the installed lineon with two example files on a virtual X
# screen, run "&Lösung" from the "&Algorithmen" menu and "&Protokoll speichern"
# from "&Datei" with key presses only, quit through "&Beenden", and compare
# the saved protocol with what the installed lineon-cli writes for the same
# file. Waits for conditions, never for a fixed time.
# Usage: menu_protocol.sh BUILD_DIR (run under xvfb-run)
set -eu
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "menu_protocol: $*" >&2
    exit 1
}

# Polls a shell condition every 50 ms, for at most 30 s.
wait_for() {
    what=$1
    shift
    i=0
    until "$@"; do
        i=$((i + 1))
        [ $i -lt 600 ] || fail "timed out waiting for $what"
        sleep 0.05
    done
}

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
bin=$tmp/usr/bin
examples=$tmp/usr/share/doc/lineon/examples
[ -x "$bin/lineon" ] && [ -x "$bin/lineon-cli" ] || fail "programs not installed"
[ -f "$examples/gleichungssystem.mtx" ] || fail "examples not installed"

# A home of its own: default settings, the file dialog starts in the work folder.
mkdir -p "$tmp/work" "$tmp/config" "$tmp/run"
chmod 700 "$tmp/run"
export HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/run"
unset QT_QPA_PLATFORM
cd "$tmp/work"
cp "$examples/gleichungssystem.mtx" "$examples/determinante.mtx" .

"$bin/lineon" gleichungssystem.mtx determinante.mtx &
pid=$!

main_window() {
    wid=$(xdotool search --onlyvisible --name '^Lineon$' 2>/dev/null | head -n 1)
    [ -n "$wid" ]
}
wait_for "the main window" main_window
xdotool windowfocus --sync "$wid"
focused_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
wait_for "the main window's focus" focused_on "$wid"

# "&Algorithmen" is the fourth menu: open "&Datei" with its letter and walk
# right (Alt+A also names "&Ansicht"), then "&Lösung" by its letter.
xdotool key --delay 20 alt+d Right Right Right l
# "&Datei" - "&Protokoll speichern" opens the save dialog.
xdotool key --delay 20 alt+d p
other_focus() {
    f=$(xdotool getwindowfocus 2>/dev/null) && [ "$f" != "$wid" ]
}
wait_for "the save dialog" other_focus
xdotool type --delay 20 "menu-protokoll.txt"
xdotool key Return
wait_for "the protocol file" test -s menu-protokoll.txt

# Quit with "&Datei" - "&Beenden"; the matrices are unchanged, so no question.
# Without a window manager nobody hands the keyboard back after the dialog.
xdotool windowfocus --sync "$wid"
wait_for "the main window's focus" focused_on "$wid"
xdotool key --delay 20 alt+d b
running() { kill -0 "$pid" 2>/dev/null; }
not_running() { ! running; }
wait_for "the program to end" not_running
wait "$pid" || fail "lineon ended with status $?"
pid=""

"$bin/lineon-cli" loesung gleichungssystem.mtx --protokoll cli-protokoll.txt \
    --ergebnis cli-ergebnis.mtx
cmp menu-protokoll.txt cli-protokoll.txt || fail "the protocols differ"
echo "menu_protocol: the protocol saved from the menu is the one lineon-cli writes"
