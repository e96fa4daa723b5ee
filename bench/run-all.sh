#!/usr/bin/env bash
# Runs every benchmark on an X display of its own (Xvfb, started here and
# stopped at the end) and prints every figure, with the machine it ran on.
#
#   bench/run-all.sh [BUILD_DIR]        BUILD_DIR defaults to ./build
#   SOAK_SECONDS=30 bench/run-all.sh    a short soak instead of 10 minutes
#
# Needs Xvfb and xdotool (scripts/dev installs both). Figures vary with the
# machine's load: each is a median over several runs or windows.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
soak_seconds=${SOAK_SECONDS:-600}
bin=$build/bench

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "== machine"
echo "cores: $(nproc); CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
echo "Debian $(cat /etc/debian_version); Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'); load average: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== a whole game in virtual time (5 invocations)"
for _ in 1 2 3 4 5; do
    "$bin/bench-game-cost" | tee -a "$work/game-cost"
done
sed -n 's/.*median \([0-9.]*\) ms.*/\1/p' "$work/game-cost" | sort -n |
    awk '{v[NR] = $1} END {printf "whole game: median of invocations %.2f ms CPU (target < 5)\n", v[int((NR + 1) / 2)]}'

echo "== tick rate on the ready screen"
"$bin/bench-tick-rate" 10 5

echo "== key to OK"
"$bin/bench-key-latency" 200

echo "== start-up (the program, then the bare Qt window as baseline)"
"$bin/bench-startup" 5 "$build/tekuran" "$bin/bench-bare-window"

echo "== soak"
"$bin/bench-soak" "$soak_seconds"
