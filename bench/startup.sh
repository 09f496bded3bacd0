#!/usr/bin/env bash
# How quickly Cardova shows its first window and how much memory it holds,
# side by side with a bare Qt window (bench/bare_window.cpp):
#     bench/startup.sh [BUILD_DIR] [RUNS]        (defaults: build, 5)
# For each program, one warm-up start and RUNS measured starts, alternating.
# Printed per program: the milliseconds from exec to the first window mapped
# (the splash, for Cardova), the resident memory 3 s after the start (the
# game selection is open by then), and for Cardova the resident memory and
# the CPU time of 5 idle seconds with a Klondike game on the table. Then the
# ratios of the medians.
# Needs an X server: it uses $DISPLAY, or starts Xvfb (package xvfb) on :77.
# Uses xdotool to start the game, and cc with libx11-dev for the map timer.
# Each Cardova start gets a fresh home folder, so every start is a first one.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
RUNS="${2:-5}"
APP="$BUILD/src/app/cardova"
BARE="$BUILD/bench/bench_bare_window"
for f in "$APP" "$BARE"; do
  [ -x "$f" ] || { echo "startup.sh: $f is missing: build with CARDOVA_BUILD_BENCH=ON first" >&2; exit 2; }
done
command -v xdotool >/dev/null || { echo "startup.sh: xdotool is needed" >&2; exit 2; }

WORK="$(mktemp -d "${TMPDIR:-/tmp}/cardova-startup.XXXXXX")"
XVFB_PID=""
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1920x1080x24 >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=:77
  sleep 1
fi
cc -O2 -o "$WORK/map_timer" bench/map_timer.c -lX11

rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# start PROGRAM...: prints "map_ms pid"
start() { "$WORK/map_timer" "$@"; }
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; sleep 0.3; }

measure_bare() {
  read -r ms pid < <(XDG_RUNTIME_DIR="$WORK" start "$BARE")
  sleep 3
  echo "$ms $(rss_kib "$pid")"
  stop "$pid"
}

measure_cardova() {
  local home="$WORK/home-$1"
  mkdir -p "$home"
  read -r ms pid < <(HOME="$home" XDG_RUNTIME_DIR="$WORK" start "$APP")
  sleep 3
  local rss_select
  rss_select=$(rss_kib "$pid")
  # Play in the game selection (its default button) starts Klondike.
  xdotool key Return >/dev/null 2>&1 || true
  sleep 3
  [ -n "${STARTUP_SHOT:-}" ] && xwd -root -silent >"$STARTUP_SHOT" || true
  local rss_game t0 t1
  rss_game=$(rss_kib "$pid")
  t0=$(cpu_ticks "$pid")
  sleep 5
  t1=$(cpu_ticks "$pid")
  echo "$ms $rss_select $rss_game $(( (t1 - t0) * 1000 / $(getconf CLK_TCK) ))"
  stop "$pid"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

measure_bare >/dev/null
measure_cardova warm >/dev/null
: >"$WORK/bare"; : >"$WORK/cardova"
for i in $(seq "$RUNS"); do
  measure_bare >>"$WORK/bare"
  measure_cardova "$i" >>"$WORK/cardova"
done

echo "bare window:  first window ms: $(cut -d' ' -f1 "$WORK/bare" | tr '\n' ' ')"
echo "              RSS KiB at 3 s:  $(cut -d' ' -f2 "$WORK/bare" | tr '\n' ' ')"
echo "Cardova:      first window ms: $(cut -d' ' -f1 "$WORK/cardova" | tr '\n' ' ')"
echo "              RSS KiB, selection open: $(cut -d' ' -f2 "$WORK/cardova" | tr '\n' ' ')"
echo "              RSS KiB, Klondike dealt: $(cut -d' ' -f3 "$WORK/cardova" | tr '\n' ' ')"
echo "              CPU ms in 5 idle s with a game: $(cut -d' ' -f4 "$WORK/cardova" | tr '\n' ' ')"
b_ms=$(cut -d' ' -f1 "$WORK/bare" | median)
b_rss=$(cut -d' ' -f2 "$WORK/bare" | median)
c_ms=$(cut -d' ' -f1 "$WORK/cardova" | median)
c_sel=$(cut -d' ' -f2 "$WORK/cardova" | median)
c_game=$(cut -d' ' -f3 "$WORK/cardova" | median)
awk -v bm="$b_ms" -v br="$b_rss" -v cm="$c_ms" -v cs="$c_sel" -v cg="$c_game" 'BEGIN {
  printf "medians: bare %.1f ms %.1f MiB; Cardova %.1f ms, %.1f MiB selection, %.1f MiB game\n", bm, br/1024, cm, cs/1024, cg/1024
  printf "ratios:  first window %.2f, memory with the selection %.2f, with a game %.2f\n", cm/bm, cs/br, cg/br
}'
