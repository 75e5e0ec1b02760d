# SPDX-License-Identifier: MIT
# Helpers for the runs of the real program under a virtual X server, sourced by their scripts.

# Gives the program a temporary and a runtime folder of its own, so a copy running elsewhere on
# the machine, or a lock it left, cannot touch this run. Removed again at exit.
own_folders() {
  TMPDIR=$(mktemp -d "${TMPDIR:-/tmp}/kobaru-test.XXXXXX")
  XDG_RUNTIME_DIR="$TMPDIR/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export TMPDIR XDG_RUNTIME_DIR
}

# Runs the script ($1, with its arguments) again under a virtual X server, with folders of its
# own, and ends with its status.
rerun_under_xvfb() {
  own_folders
  trap 'rm -rf "$TMPDIR"' EXIT
  INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$@"
  exit
}

# Fails the run with what it waited for.
timed_out() {
  echo "timed out after $1 s waiting for $2" >&2
  exit 1
}

# The id of the first visible window whose title matches, waiting up to 30 s. Extra arguments
# go to xdotool search (for instance --pid PID). A search that meets a window going away fails;
# the next one looks again.
window() {
  local title=$1 found=""
  shift
  for _ in $(seq 150); do
    found=$(xdotool search --onlyvisible "$@" --name "$title" 2>/dev/null | head -n 1) || true
    [ -n "$found" ] && break
    sleep 0.2
  done
  [ -n "$found" ] || timed_out 30 "a window titled '$title'"
  echo "$found"
}

# Waits up to 10 s for the process to end, and fails the run with `what` if it does not.
ended() {
  local pid=$1 what=$2
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.2
  done
  timed_out 10 "$what"
}

# A click at the centre of an element of the window $win, given its designed place in twips.
click() {
  xdotool mousemove --window "$win" $(( ($1 + $3 / 2) / 15 )) $(( ($2 + $4 / 2) / 15 )) click 1
  sleep 0.3
}
