#!/usr/bin/env bash
# Benchmark of lumenote: converts a generated 64 MiB game script and compares the time with
# reading the same bytes (cat FILE > /dev/null) and with highlight's HTML output, all
# measured in this run.
#
#   bench/lumenote.sh [LUMENOTE]
#
# Without an argument the Release build of the bench preset (build-bench/) is made first.
# Work files go to bench/out/ (or $BENCH_DIR); a RAM-backed folder such as /dev/shm keeps the
# disk's speed out of the figures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
size_mib=${BENCH_MIB:-64}

if [[ $# -ge 1 ]]; then
    lumenote="$(realpath "$1")"
else
    if [[ -f "$root/bench/CMakeLists.txt" ]]; then
        (cd "$root" && cmake --preset bench >/dev/null)
    else # the preset's bench folder has no targets yet: the same Release build without it
        cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DVANTOR_WERROR=ON -DVANTOR_TESTS=OFF -DVANTOR_BENCH=OFF >/dev/null
    fi
    cmake --build "$root/build-bench" -j2 --target lumenote >/dev/null
    lumenote="$root/build-bench/bin/lumenote"
fi
[[ -x "$lumenote" ]] || { echo "No lumenote at $lumenote" >&2; exit 1; }

if ! command -v highlight >/dev/null; then
    echo "Installing highlight (for the comparison)..."
    "$root/scripts/ensure-packages.sh" highlight
fi

dir="${BENCH_DIR:-$root/bench/out}"
mkdir -p "$dir"
script="$dir/bench.cfg"

# A game script as players write them: comments, aliases and action aliases, binds, settings,
# echo lines, long chained aliases, CR LF line ends. Deterministic, so runs compare.
if [[ ! -s "$script" || $(stat -c %s "$script") -lt $((size_mib << 20)) ]]; then
    echo "Writing a ${size_mib} MiB script to $script..."
    awk -v limit=$((size_mib << 20)) 'BEGIN {
        srand(7);
        split("w a s d e q r f g c v x z t y u i o p b n m 1 2 3 4 5 6 7 8 9 0 space ctrl shift alt tab enter mouse1 mouse2 mouse3 mwheelup mwheeldown f1 f2 f3 kp_end kp_home uparrow downarrow", keys, " ");
        split("+forward +back +moveleft +moveright +jump +duck +attack +attack2 +reload +use +speed +showscores impulse_101 lastinv slot1 slot2 slot3 drop messagemode toggleconsole screenshot", acts, " ");
        split("sensitivity cl_crosshaircolor volume gamma brightness rate cl_updaterate cl_cmdrate m_pitch m_yaw fps_max hud_fastswitch cl_bob zoom_sensitivity_ratio", cvars, " ");
        nk = length(keys); na = length(acts); nc = length(cvars);
        bytes = 0; n = 0;
        while (bytes < limit) {
            r = int(rand() * 100); n++;
            if (r < 12)      line = sprintf("// Section %d: %s settings, tuned for the %s layout", n, cvars[1 + int(rand() * nc)], (rand() < 0.5 ? "default" : "left-handed"));
            else if (r < 40) line = sprintf("bind \"%s\" \"%s\"", keys[1 + int(rand() * nk)], acts[1 + int(rand() * na)]);
            else if (r < 55) line = sprintf("alias +combo%d \"%s; %s; wait\"", n, acts[1 + int(rand() * na)], acts[1 + int(rand() * na)]);
            else if (r < 65) line = sprintf("alias -combo%d \"-jump; -duck\"", n);
            else if (r < 80) line = sprintf("%s %.2f", cvars[1 + int(rand() * nc)], rand() * 10);
            else if (r < 88) line = sprintf("echo \"Loaded part %d of the %s config\" // note", n, (rand() < 0.5 ? "tournament" : "practice"));
            else {
                line = sprintf("alias cycle%d \"", n);
                steps = 10 + int(rand() * 30);
                for (k = 0; k < steps; k++) line = line sprintf("%s %d; wait; ", cvars[1 + int(rand() * nc)], int(rand() * 100));
                line = line "echo done\"";
            }
            printf "%s\r\n", line;
            bytes += length(line) + 2;
        }
    }' >"$script"
fi
bytes=$(stat -c %s "$script")
mb=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1e6 }')

seconds() { # best of three wall-clock times of a command, in seconds
    local best="" t0 t1 t
    for _ in 1 2 3; do
        t0=$(date +%s.%N); "$@" >/dev/null 2>&1; t1=$(date +%s.%N)
        t=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f", b - a }')
        if [[ -z "$best" ]] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
    done
    echo "$best"
}
cat_file() { cat "$script" >/dev/null; }

t_cat=$(seconds cat_file)
t_lum=$(seconds "$lumenote" -t bench "$script" "$dir/bench.html")
t_hl=$(seconds highlight -S conf -O html -i "$script" -o "$dir/bench-highlight.html")

awk -v mb="$mb" -v c="$t_cat" -v l="$t_lum" -v h="$t_hl" 'BEGIN {
    printf "input            %s MB\n", mb;
    printf "cat > /dev/null  %8.3f s  %8.1f MB/s\n", c, mb / c;
    printf "lumenote         %8.3f s  %8.1f MB/s  (%.1f x the time of cat)\n", l, mb / l, l / c;
    printf "highlight        %8.3f s  %8.1f MB/s\n", h, mb / h;
    printf "lumenote is %.1f times faster than highlight\n", h / l;
}'
