// SPDX-License-Identifier: MIT
// The full-automatic practice: the program draws each lot, starts it, and goes on to the next.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {
constexpr int kStartCountdown = 3;    // seconds from the preparation to the start
constexpr int kNextLotCountdown = 4;  // seconds from the next-lot preparation to the next lot
// Where the full-automatic screen puts four of the operator's buttons.
constexpr int kOperatorColumn = 2178;  // twips
}  // namespace

void Form1::Command26_Click() {
  showOperatorPanel();
  Text8.text = "0";
  for (auto [button, top] :
       {std::pair{&Command13, 4560}, {&Command3, 5160}, {&Command10, 6720}, {&Command22, 6240}}) {
    button->left = kOperatorColumn;
    button->top = top;
  }
  Command9.caption = "決定処理";
  Text6.locked = false;
  Text6.text.clear();
  settei = 0;
  Command1.caption = "スタート";

  allTimersOff();
  // The lot on the screen is abandoned: nothing of it may steer the new one.
  Command10.backColor = kSilver;
  Command14.backColor = kSilver;
  syuuryou = 0;
  serityuu = 0;
  simekiri = 1;
  osityuu = 0;

  modo = 2;
  Command1.caption = "最初だけスタートを押して下さい";
  modo10.caption = "デモモード";
  Text6.locked = true;
  Text6.text.clear();

  kakaku = 100 * Int(draw() * 35 + 1);
  Text6.text = numberText(kakaku);
  sutatofuka = 1;
  settei = 0;
  urikiri = kakaku + 10 * Int(draw() * 16 + 13);
  Text8.text = numberText(urikiri);
  showGuidePrice();
  urikirityuu = 0;
  copatan = static_cast<int>(Int(draw() * 6));
  // The narrow margin one lot in three, the wide one otherwise.
  habaransuu = static_cast<int>(Int(draw() * 3));
  teisihaba = habaransuu == 0 ? 11 : 33;

  Command11_Click();

  Label27.visible = true;
  demokaisuu = 0;
  Timer18.setEnabled(true);
  sutatofuka = 0;
}

void Form1::Timer18_Timer() {
  if (++demokaisuu != kStartCountdown) return;
  Timer18.setEnabled(false);
  Label27.visible = false;
  // A click on a twin button or a key in an entry may have locked Start meanwhile; a lot
  // already started by hand, running or ended, is not started again.
  if (!auctionInProgress() && !lotEnded()) sutatofuka = 0;
  Command1_Click();
  beginLotWatch();
}

// The start countdown is over, whether it ran out or the lot was started by hand before: the lot
// watch begins. A countdown left running could start the lot again once a back-off unlocked it.
void Form1::beginLotWatch() {
  Timer18.setEnabled(false);
  Label27.visible = false;
  Timer19.setEnabled(true);
  Timer19.setInterval(kankaku);
  demokaisuu = 0;
}

void Form1::Timer19_Timer() {
  if (Command10.backColor == kRed) {
    Timer19.setEnabled(false);
    Command10_Click();
    awaitNextLot();
  } else if (Command14.backColor == kRed) {
    Timer19.setEnabled(false);  // the trainee's confirmation continues the cycle
  }
}

// The lot on the board has ended and been cleared: the next one follows after the countdown. A
// start countdown still running belongs to the cleared lot and stops.
void Form1::awaitNextLot() {
  Timer18.setEnabled(false);
  Label27.visible = false;
  Timer19.setEnabled(false);
  demokaisuu = 0;
  Timer20.setEnabled(true);
}

void Form1::Timer20_Timer() {
  if (++demokaisuu != kNextLotCountdown) return;
  Timer20.setEnabled(false);
  Label27.visible = true;
  Command26_Click();
  demokaisuu = 0;
}

}  // namespace kobaru
