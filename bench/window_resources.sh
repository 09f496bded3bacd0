#!/usr/bin/env bash
# Resident memory a few seconds after start and CPU while idle (no game), of
# the real program under a virtual display (xvfb-run from Debian's xvfb).
#   bench/window_resources.sh [build/src/app/cardova]
set -euo pipefail
app=${1:-build/src/app/cardova}
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data xvfb-run -a "$app" &
sleep 1
pid=$(pgrep -n -f "^$app" || pgrep -n cardova)
sleep 4
echo "resident memory after 5 s: $(awk '/VmRSS/ {printf "%.1f MiB", $2/1024}' /proc/$pid/status)"
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 20
after=$(ticks)
echo "CPU while idle over 20 s: $(awk -v t=$((after - before)) -v hz=$hz 'BEGIN {printf "%.2f %%", 100 * t / hz / 20}')"
