#!/usr/bin/env bash
# Builds the score-line fuzz target with clang's libFuzzer and runs it.
#   tools/fuzz/run.sh [SECONDS]   (default 60)
# Not part of "make test". Needs clang and Qt 6 Core (pkg-config Qt6Core).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
src="$here/../../src"
out="${FUZZ_BUILD:-${TMPDIR:-/tmp}/cardova-fuzz}"
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fPIC \
  -DQT_NO_KEYWORDS -I"$src" $(pkg-config --cflags Qt6Core) \
  "$here/score_line_fuzz.cpp" \
  "$src/scores/RecordLine.cpp" "$src/scores/DateText.cpp" "$src/scores/ScoreFile.cpp" \
  "$src/scores/Favourites.cpp" "$src/settings/GameNumber.cpp" \
  $(pkg-config --libs Qt6Core) -o "$out/score_line_fuzz"
# Seeds: a few well-formed lines of both files.
printf '"2026-03-01 12:00:00","Klondike",4711,307,95,370,1\r\n"2026-03-02 08:00:00","Lawn","0042",5,2,-12,0\r\n' \
  > "$out/corpus/seed-scores"
printf '"Klondike",4711\r\n"My ""Game""","007"\r\n' > "$out/corpus/seed-favs"
cd "$out"
"$out/score_line_fuzz" -max_total_time="${1:-60}" -max_len=4096 "$out/corpus"
