#!/usr/bin/env bash
# What a frame of the intro costs in instructions, counted by callgrind: steady where timings are
# not (a loaded machine). Per call: the running game's takeFrame (the frame and its changed area,
# as a front end takes it 60 times a second) and advance (a sixtieth of a second of the intro's
# ticks); and outside the running game, the whole render with the pixel comparison that found the
# changed area before, against the repaint of what changed that the running game does now.
#
#   bench/frame_cost.sh [BUILD_DIR]        (default: build; needs valgrind)
set -euo pipefail
cd "$(dirname "$0")/.."
bench="${1:-build}/bench/engine_bench"
[ -x "$bench" ] || { echo "frame_cost: no $bench; build the engine_bench target" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "frame_cost: needs valgrind (apt install valgrind)" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

valgrind --tool=callgrind --callgrind-out-file="$out/cg" "$bench" \
    --benchmark_filter='BM_Intro(TicksAndFrame|WholeFrame|Repaint)$' --benchmark_min_time=0.5 \
    >"$out/log" 2>&1 || { cat "$out/log" >&2; exit 1; }
callgrind_annotate --inclusive=yes --tree=caller "$out/cg" >"$out/tree"

# Instructions per call of a function (its name as callgrind writes it, up to the parenthesis):
# its inclusive count over the calls its callers made.
per_call() {
    awk -v f="$1" '
        / < / { if (match($0, /\(([0-9,]+)x\)/)) { n = substr($0, RSTART + 1, RLENGTH - 3); gsub(",", "", n); calls += n }; next }
        / \* / { if (index($0, ":" f "(")) { v = $1; gsub(",", "", v); if (calls) printf "%.0f", v / calls; exit } calls = 0; next }
        { calls = 0 }' "$out/tree"
}

take=$(per_call 'running::Game::takeFrame')
advance=$(per_call 'running::Game::advance')
whole=$(per_call 'tk::Renderer::render')
compare=$(per_call '(anonymous namespace)::changedPixels')
repaint=$(per_call 'tk::Repainter::repaint')
printf '%-52s %12s\n' "instructions per call" ""
printf '%-52s %12s\n' "Game::takeFrame (the frame and its changed area)" "$take"
printf '%-52s %12s\n' "Game::advance (a 60th of a second of intro ticks)" "$advance"
printf '%-52s %12s\n' "whole render" "$whole"
printf '%-52s %12s\n' "pixel comparison of two frames" "$compare"
printf '%-52s %12s\n' "repaint of what changed" "$repaint"
