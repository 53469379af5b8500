#!/bin/sh
# Start-up of the real editor to a shown window: the time from starting the program until its
# main window is mapped on an X server (Xvfb, started beforehand and not counted), with empty
# private settings and no Library. Runs RUNS times (default 5) and prints each time.
#
#   bench/startup.sh build/bin/vantor [RUNS]
set -eu
program=$(realpath "$1")
runs=${2:-5}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
display=:$(( ($$ % 500) + 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
i=0
while [ "$i" -lt "$runs" ]; do
    i=$((i + 1))
    rm -rf "$work/config"
    start=$(date +%s%N)
    XDG_CONFIG_HOME="$work/config" "$program" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "start-up to a mapped window: $(( (end - start) / 1000000 )) ms"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
