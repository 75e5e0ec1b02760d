#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The practice screen filling a 1920 x 1080 screen under a virtual X server: tick to paint, press
# to paint, the CPU time of 60 s of full-automatic practice (the program's, and the X server's
# beside it), and the peak memory after ten automatic lots.
# Usage: bench/full_screen.sh BUILD_BENCH_DIR
set -euo pipefail
bin=$(realpath "$1")/bin
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
export QT_LOGGING_RULES='qt.multimedia*=false'
TMPDIR=$(mktemp -d)
XDG_RUNTIME_DIR=$(mktemp -d)
export TMPDIR XDG_RUNTIME_DIR
trap 'rm -rf "$TMPDIR" "$XDG_RUNTIME_DIR"' EXIT

"$bin/kobaru_paint_latency" 2>/dev/null
# The X server draws what the program hands it; its share is told apart (this display's server,
# not another one on the machine).
xserver=$(pgrep -f "^Xvfb $DISPLAY( |\$)" | head -n 1 || true)
xcpu() { [ -n "$xserver" ] && awk '{print ($14 + $15) / '"$(getconf CLK_TCK)"'}' "/proc/$xserver/stat" || echo 0; }
before=$(xcpu)
"$bin/kobaru_cpu_full_automatic" 2>/dev/null
after=$(xcpu)
awk -v a="$before" -v b="$after" 'BEGIN { printf "the X server meanwhile: %.2f s, %.2f %% of one core\n", b - a, 100 * (b - a) / 60 }'
"$bin/kobaru_memory_after_lots" 2>/dev/null
