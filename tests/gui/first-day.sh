#!/usr/bin/env bash
# A new user's first day with the real editor on a real X server, driven from outside with
# xdotool: two Libraries open, a dock floated, an Alias with two commands made with the
# keyboard in the Module Pane and the Property Window, a Module dragged from one Library window
# into the other, both Libraries saved and their files checked, the editor closed and started again with both
# Libraries reopened. Runs inside an X server (xvfb-run); BIN is the folder of the built
# programs. Every wait polls for what it waits for, with a time limit.
#   first-day.sh BIN            on the display of $DISPLAY
#   first-day.sh --xvfb BIN     on a virtual X server of its own (exit 77: no Xvfb here)
set -euo pipefail
if [[ "${1:-}" == "--xvfb" ]]; then
    for program in xvfb-run xdotool; do
        if ! command -v "$program" >/dev/null; then
            echo "$program was not found: install xvfb, xauth and xdotool (the test command does)"
            exit 77
        fi
    done
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$2"
fi
bin="$(cd "$1" && pwd)"
work="$(mktemp -d)"
editor=""
cleanup() {
    if [[ -n "$editor" ]] && kill -0 "$editor" 2>/dev/null; then kill -9 "$editor"; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    import -window root "$work/failure.png" 2>/dev/null &&
        cp "$work/failure.png" "${FIRST_DAY_SHOT:-/tmp/first-day-failure.png}" &&
        echo "Screen at the failure: ${FIRST_DAY_SHOT:-/tmp/first-day-failure.png}" >&2
    exit 1
}

# Polls a command every 0.1 s until it succeeds; fails with MESSAGE after SECONDS.
wait_until() {
    local seconds="$1" message="$2"
    shift 2
    local tries=$((seconds * 10))
    until "$@"; do
        tries=$((tries - 1))
        ((tries > 0)) || fail "$message"
        sleep 0.1
    done
}

# A private settings, data and runtime folder: the user's own settings are never touched.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
unset QT_QPA_PLATFORM
settings="$XDG_CONFIG_HOME/Velmora/Vantor.conf"

# Two Libraries made with vantor-cli: "Arena" with a Game and two standard Modules, "Duel"
# with a Game and no Modules.
cli="$bin/vantor-cli"
mkdir -p "$work/engine/id1" "$work/engine/duel"
"$cli" new "$work/Arena.vtl" --engine "$work/engine"
"$cli" import-module "$work/Arena.vtl" "$bin/Quake Definitions.vtm" "$bin/Zoom.vtm"
"$cli" add-game "$work/Arena.vtl" Arena "$work/engine/id1/vantor.cfg"
"$cli" use "$work/Arena.vtl" Arena "Quake Definitions" Zoom
"$cli" new "$work/Duel.vtl" --engine "$work/engine"
"$cli" add-game "$work/Duel.vtl" Duel "$work/engine/duel/vantor.cfg"

start_editor() {
    "$bin/vantor" "$@" >>"$work/editor.log" 2>&1 &
    editor=$!
}
main_window() {
    window=$(xdotool search --name "$1 - Vantor" 2>/dev/null | head -n 1)
    [[ -n "$window" ]]
}
# Gives the main window the keyboard focus again: with no window manager, a closed popup
# (a completion list, a menu) leaves the focus on the root window.
focus() {
    xdotool windowfocus --sync "$window"
}
keys() {
    focus
    xdotool key --delay 60 "$@"
}
type_text() {
    focus
    xdotool type --delay 60 "$1"
}
title_is() {
    [[ "$(xdotool getwindowname "$window" 2>/dev/null)" == "$1" ]]
}
file_has() {
    [[ -f "$1" ]] && grep -qF -- "$2" "$1"
}

wait_exit() {
    local tries=150
    while kill -0 "$editor" 2>/dev/null; do
        tries=$((tries - 1))
        ((tries > 0)) || fail "the editor did not end"
        sleep 0.1
    done
    wait "$editor" || fail "the editor ended with status $?"
    editor=""
}

echo "Start with empty settings and two Libraries"
start_editor "$work/Duel.vtl" "$work/Arena.vtl"
wait_until 30 "the editor's window did not come up" main_window "Arena.vtl"
xdotool windowmove --sync "$window" 128 80 windowsize --sync "$window" 1024 640

echo "F10, Ctrl+L: a new Alias in the Zoom Module, named in place"
keys F10 Home Down ctrl+l
wait_until 5 "Ctrl+L did not mark the Library changed" title_is "Arena.vtl* - Vantor"
type_text twojump
keys Return

echo "Insert: a command in the Property Window, an Integer parameter; a second command"
keys Insert
type_text impulse
keys Tab
type_text 7
keys Return F10 Insert
type_text centerview
keys Return

echo "Ctrl+S writes the Library and the Game's script"
keys ctrl+s
wait_until 10 "the Alias did not reach the Game's script" \
    file_has "$work/engine/id1/vantor.cfg" 'ALIAS twojump "impulse 7;centerview"'
wait_until 5 "the saved Library still shows as changed" title_is "Arena.vtl - Vantor"
file_has "$work/Arena.vtl" twojump || fail "the Library file lacks the Alias"

echo "Window > Tile, then a drag with Ctrl of the Zoom Module into the other Library's window"
keys alt+w t
# Rows and windows are where the fixed window size puts them: the Zoom Module is the second
# row of Arena's Module Pane (left), Duel's Module Pane (right) is empty.
xdotool mousemove --window "$window" 437 116
xdotool keydown ctrl mousedown 1
for x in 442 447 457 472 502 552 602 642; do
    xdotool mousemove --window "$window" "$x" 150
    sleep 0.05 # a drag is a gesture: the editor must see the pointer travel
done
xdotool mousemove --window "$window" 647 220 mousemove --window "$window" 650 222
xdotool mouseup 1 keyup ctrl
keys alt+w 1
wait_until 5 "the drop did not change Duel.vtl" title_is "Duel.vtl* - Vantor"
keys F10 Home space ctrl+s
wait_until 10 "the dropped Module did not reach Duel's script" \
    file_has "$work/engine/duel/vantor.cfg" 'ALIAS twojump "impulse 7;centerview"'
file_has "$work/Duel.vtl" twojump || fail "Duel.vtl lacks the dropped Module"
file_has "$work/Arena.vtl" twojump || fail "the copy took the Module out of Arena.vtl"

echo "Alt+L in the Module Pane opens the Library menu, though the Definition page has S&lider"
keys alt+w 2
wait_until 5 "Window > 2 is not Arena.vtl" title_is "Arena.vtl - Vantor"
keys F10 Home Left Right Down Right
type_text sensitivity
keys alt+l m
wait_until 5 "Alt+L, M made no Module" title_is "Arena.vtl* - Vantor"
type_text Keyed
keys Return ctrl+s
wait_until 10 "the Module from the menu did not reach Arena.vtl" file_has "$work/Arena.vtl" Keyed

echo "The Keyboard dock is shown at the left: a double click on its title floats it"
xdotool mousemove --window "$window" 60 59 click --repeat 2 --delay 80 1
wait_until 5 "no Keyboard window floated off the left dock" \
    sh -c 'xdotool search --name "^Binds for " >/dev/null'

echo "Ctrl+Q ends the editor cleanly and records both Libraries"
keys ctrl+q
wait_exit
file_has "$settings" "$work/Arena.vtl" || fail "Arena.vtl is not recorded in the settings"
file_has "$settings" "$work/Duel.vtl" || fail "Duel.vtl is not recorded in the settings"

echo "Started again with no arguments, both Libraries and the floating Keyboard window return"
start_editor
wait_until 30 "no Library window came back" \
    sh -c 'xdotool search --name "^(Arena|Duel)\.vtl - Vantor$" >/dev/null'
window=$(xdotool search --name "^(Arena|Duel)\.vtl - Vantor$" | head -n 1)
wait_until 5 "the Keyboard window did not float again" \
    sh -c 'xdotool search --name "^Binds for" >/dev/null'
keys alt+w 1
wait_until 5 "Window > 1 is not Duel.vtl" title_is "Duel.vtl - Vantor"
keys alt+w 2
wait_until 5 "Window > 2 is not Arena.vtl" title_is "Arena.vtl - Vantor"
keys ctrl+q
wait_exit
echo "First day done"
