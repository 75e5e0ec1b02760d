#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Median of five cold starts of the startup timing under a virtual X server, and the memory after
# ten automatic lots. Usage: bench/startup.sh BUILD_BENCH_DIR
set -euo pipefail
bin=$(realpath "$1")/bin
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export QT_LOGGING_RULES='qt.multimedia*=false'
for _ in 1 2 3 4 5; do "$bin/kobaru_startup_timing" 2>/dev/null; done | tee /tmp/kobaru-startup.txt
median() { sort -n | sed -n 3p; }
echo "median of 5: launcher $(awk '{print $4}' /tmp/kobaru-startup.txt | median) ms," \
     "practice screen $(awk '{print $13}' /tmp/kobaru-startup.txt | median) ms"
"$bin/kobaru_memory_after_lots" 2>/dev/null
