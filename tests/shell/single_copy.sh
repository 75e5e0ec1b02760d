#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One copy per user, under a virtual X server: a second copy of the same user is refused with
# its notice and then ends; another user's copy runs beside the first; a copy killed with
# SIGKILL does not refuse the next one. A user here is a runtime folder of its own.
# Usage: single_copy.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/x_session.sh"

[ -n "${INSIDE_XVFB:-}" ] || rerun_under_xvfb "$0" "$@"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
mkdir -m 700 "$TMPDIR/userA" "$TMPDIR/userB"

# Starts a copy for the user of runtime folder $1 and presses 練習開始 in its launcher; the copy's
# process id is left in $pid.
practise() {
  XDG_RUNTIME_DIR=$1 "$program" 2>>"$TMPDIR/program.log" &
  pid=$!
  pids+=("$pid")
  win=$(window '^Kobaru - Tessaly$' --pid "$pid")
  sleep 0.5
  click 720 3960 1815 1215
}
practice_screen() { window '^Kobaru v1.01 - Tessaly$' --pid "$1" >/dev/null; }

practise "$TMPDIR/userA"
first=$pid
practice_screen "$first"

practise "$TMPDIR/userB"
practice_screen "$pid"
echo "another user's copy runs beside the first"

practise "$TMPDIR/userA"
second=$pid
window '^確認$' --pid "$second" >/dev/null
sleep 0.5
xdotool key Return
ended "$second" "the refused second copy to end after its notice"
wait "$second" || { echo "the refused copy ended with status $?" >&2; exit 1; }
echo "the same user's second copy showed the notice and ended"

kill -KILL "$first"
wait "$first" 2>/dev/null || true
practise "$TMPDIR/userA"
practice_screen "$pid"
echo "after a copy was killed, the next one runs"
