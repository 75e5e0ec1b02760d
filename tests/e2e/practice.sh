#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A manual lot on the installed program under a real X server, with real mouse and keyboard:
# open the practice screen from the menu, force-stop into manual mode, type the conditions,
# start, bid by click and by press-hold-release, declare the sell-out, step, decide, confirm;
# read the bid record back through the clipboard and compare it; end the practice and the
# program from their own buttons.
# Usage: practice.sh BUILD_DIR WORK_DIR [--without-assets]
#   --without-assets removes the sounds, lot pictures and manual from the installed copy first:
#   the lot must run all the same, and the manual viewer shows its notice of a missing page.
set -euo pipefail
build=$(realpath "$1")
work=$(realpath -m "$2")
mode=${3:-}

source "$(dirname "$0")/../support/x_session.sh"

if [ -z "${INSIDE_XVFB:-}" ]; then
  rm -rf "$work"
  mkdir -p "$work"
  cmake --install "$build" --prefix "$work/prefix" >/dev/null
  if [ "$mode" = --without-assets ]; then
    rm -rf "$work/prefix/lib/kobaru/"*.wav "$work/prefix/lib/kobaru/gazou" "$work/prefix/lib/kobaru/help"
  fi
  rerun_under_xvfb "$0" "$@"
fi

cd /  # the program finds its files beside itself, wherever it is started from
"$work/prefix/bin/kobaru" 2>"$work/program.log" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT


win=$(window '^Kobaru - Tessaly$')
click 720 3960 1815 1215                      # 練習開始
win=$(window '^Kobaru v1.01 - Tessaly$')
sleep 0.5
click 2160 8280 1455 255                      # 強制停止: the focus goes to the start price
xdotool type --delay 50 200
click 1200 1800 615 270                       # the speed entry empties on a click
xdotool type --delay 50 0                     # a clock that stands keeps every price exact
click 480 2160 3135 375                       # 条件をセットしてスタート価格表示
click 480 2640 3135 495                       # スタート
click 6240 3720 1215 495                      # 応札ボタン: a bid at the running price
click 2160 3720 1455 735                      # 競上ストップ
xdotool mousemove --window "$win" $(( (6240 + 607) / 15 )) $(( (3720 + 247) / 15 )) mousedown 1
sleep 0.4
xdotool mouseup 1                             # a held bid
sleep 0.3
click 480 5760 3135 375                       # うりきり
click 2178 5160 1455 495                      # 手動競上: the floor one position up
click 6240 3720 1215 495                      # 応札ボタン: the trainee one more
click 480 6240 1455 855                       # 決定処理: won, the focus on 確認
xdotool key Return                            # 確認
sleep 0.3
# Copies the focused text to the clipboard and reads it back once it holds `$1`; the program may
# still be working through the clicks before.
copied() {
  local text=""
  for _ in $(seq 25); do
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    text=$(xclip -o -selection clipboard 2>/dev/null || true)
    case "$text" in *"$1"*) break ;; esac
  done
  printf '%s' "$text"
}

click 4080 120 1815 8415                      # the bid record
record=$(copied 自分落札)
import -window root "$work/practice.png"

expected='応札記録
スタート  20.0
YOU  20.0
停止 CO  20.0
ベタ YOU  20.0
うりきり  20.0
1POS 他  20.3
1POS YOU  20.6
自分落札  20.6'
if [ "$record" != "$expected" ]; then
  echo "the bid record reads:" >&2
  echo "$record" >&2
  echo "expected:" >&2
  echo "$expected" >&2
  exit 1
fi

click 480 8280 1455 255                       # 練習終了, then OK on its message
sleep 0.5
xdotool key Return
win=$(window '^Kobaru - Tessaly$')
sleep 0.3
if [ "$mode" = --without-assets ]; then
  click 2760 3960 1815 495                    # 使用方法
  help=$(window '^使用方法 Kobaru - Tessaly$')
  sleep 0.5
  import -window root "$work/manual.png"
  xdotool mousemove --window "$help" 200 300 click 1
  if [[ "$(copied ページを表示できません)" != *ページを表示できません* ]]; then
    echo "the manual viewer does not show its notice of a missing page" >&2
    exit 1
  fi
  eval "$(xdotool getwindowgeometry --shell "$help")"
  xdotool mousemove --window "$help" $(( WIDTH - 40 )) 45 click 1   # 閉じる, top right
  sleep 0.3
fi
click 4800 4680 1815 495                      # 終了
ended $pid "the program to end from its exit button"
trap - EXIT
wait $pid
echo "record as expected; screenshots in $work"
