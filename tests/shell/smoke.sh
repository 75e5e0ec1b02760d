#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the real program under a virtual X server, waits for its launcher, takes a screenshot,
# then ends the program with its own exit button, as a person would.
# Usage: smoke.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
program=$1
shots=$2
mkdir -p "$shots"

source "$(dirname "$0")/../support/x_session.sh"

[ -n "${INSIDE_XVFB:-}" ] || rerun_under_xvfb "$0" "$@"

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

win=$(window '^Kobaru - Tessaly$')
sleep 1  # let the first paint land before the picture is taken
import -window root "$shots/launcher.png"

# The exit button "終了" at its designed place (320, 312, 121 x 33 px) inside the window.
xdotool mousemove --window "$win" 380 328 click 1
ended $pid "the program to end from its exit button"
trap - EXIT
wait $pid
echo "launcher shown, screenshot at $shots/launcher.png, program ended with status 0"
