#!/usr/bin/env bash
# Makes the manual's screenshots of the real editor under a virtual X server, into
# docs/images/*.png: the main window on the example Library, the command page of the
# Property Window, the Keyboard window and the New Library wizard. Run it again whenever the
# look changes. Builds what it needs first; works on a copy of the example Library with
# settings of its own, so nothing of the user's is touched.
#   scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

if [[ "${1:-}" != "--inside" ]]; then
    source scripts/packages.sh
    scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"
    cmake --preset default >/dev/null
    cmake --build --preset default --target vantor lumenote example_library
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --inside
fi

bin="$root/build/bin"
images="$root/docs/images"
mkdir -p "$images"
work="$(mktemp -d)"
editor=""
cleanup() {
    if [[ -n "$editor" ]] && kill -0 "$editor" 2>/dev/null; then kill "$editor"; fi
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
unset QT_QPA_PLATFORM
# The example Library as it is built, under its own name.
cp "$root/build/resources/examples/Example.vtl.made" "$work/Example.vtl"

# Waits up to 10 s for a window whose name matches; prints its id.
find_window() {
    local tries=100 id
    until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [[ -n "$id" ]]; do
        tries=$((tries - 1))
        if ((tries == 0)); then
            echo "No window named '$1' came up" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "$id"
}
keys() {
    xdotool windowfocus --sync "$main"
    xdotool key --delay 80 "$@"
}
# Grabs a window once the editor has painted what the last keys asked for.
shot() {
    sleep 0.5
    import -window "$1" -strip "$images/$2"
    echo "docs/images/$2"
}

"$bin/vantor" "$work/Example.vtl" >"$work/editor.log" 2>&1 &
editor=$!
main=$(find_window "^Example.vtl - Vantor$")
xdotool windowmove --sync "$main" 0 0 windowsize --sync "$main" 1200 760

# The Zoom Module's "zoomin" Alias, its first command selected in the Command Pane.
keys F10 Home Down Down Down Down Right Down Down Right Down Down F11 Home
shot "$main" main-window.png

# The command page of the Property Window: the Property dock, cut out of the main window.
keys Down
geometry=$(xdotool getwindowgeometry --shell "$main")
eval "$geometry"
import -window "$main" -crop "270x330+$((WIDTH - 270))+50" +repage -strip "$images/command-page.png"
echo "docs/images/command-page.png"

# The three steps of the New Library wizard, on an engine folder with two game folders;
# cancelled at the end.
games=/tmp/vantor-screenshots
rm -rf "$games"
mkdir -p "$games/Quake/id1" "$games/Quake/baseq3"
keys ctrl+n
wizard=$(find_window "^Wizard")
# The two fields are filled through their Browse buttons, in the file dialogs.
browse() {
    xdotool mousemove --window "$wizard" 440 "$1" click 1
    local dialog
    dialog=$(find_window "$2")
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 20 "$3"
    xdotool key Return
    while xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do sleep 0.1; done
}
browse 76 "^Save Vantor Library As" "$games/Quake/Quake.vtl"
browse 170 "^Browse for root folder" "$games/Quake"
shot "$wizard" new-library-wizard.png
xdotool windowfocus --sync "$wizard"
xdotool key alt+n
sleep 0.3
xdotool key --delay 80 space Down space
shot "$wizard" new-library-games.png
xdotool key alt+n
sleep 0.3
xdotool key --delay 80 Down Down space Down Down space Down Down space
shot "$wizard" new-library-modules.png
xdotool key Escape
rm -rf "$games"
kill "$editor"
wait "$editor" || true

# The Keyboard window, floated off its dock by a double click on its title, drawn at twice
# the size as on a high-resolution screen so that the key captions can be read.
QT_SCALE_FACTOR=2 "$bin/vantor" "$work/Example.vtl" >>"$work/editor.log" 2>&1 &
editor=$!
main=$(find_window "^Example.vtl - Vantor$")
xdotool windowmove --sync "$main" 0 0 windowsize --sync "$main" 1280 800
xdotool mousemove --window "$main" 25 118 click --repeat 2 --delay 80 1
keyboard=$(find_window "^Binds for ")
xdotool windowmove --sync "$keyboard" 20 20 windowsize --sync "$keyboard" 590 200
shot "$keyboard" keyboard-window.png
