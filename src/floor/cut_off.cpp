// SPDX-License-Identifier: MIT
// The cut-off (見切り): the reserve no longer applies, and the next bid recorded above the price of
// the cut-off takes the lot.
#include "practice/form1.h"

namespace kobaru {

namespace {
constexpr int kLightTicks = 12;  // the counter value that ends the light phase
constexpr int kCycleTicks = 20;  // ... and the whole blink
constexpr int kTimeoutSeconds = 3;
}  // namespace

void Form1::mikiri(RecordKind kind) {
  Timer11.setEnabled(false);
  stopClock();
  showLamp(Lamp::Green);
  recordLine(kind);
  lightSellOutSign();
  Command8.caption = "見切り中";
  Command8.backColor = kWhite;
  Command9.backColor = kSilver;
  Command22.backColor = kLightRed;
  kenri.caption = "見切り中";
  tenmetukaisuu = 0;
  mikirikakaku = kakaku;
  Timer12.setEnabled(true);
}

void Form1::mikiri(const std::string& label) {
  for (RecordKind kind : {RecordKind::OperatorCutOff, RecordKind::AutomaticCutOff})
    if (label == labelOf(kind)) return mikiri(kind);
}

void Form1::Command24_Click() {
  if (modo == 0 && !soldOut() && auctionInProgress()) mikiri(RecordKind::OperatorCutOff);
}

void Form1::Timer12_Timer() {
  ++tenmetukaisuu;
  if (tenmetukaisuu < kLightTicks) {
    // The light phase lights the sign alone: the start sign below keeps what it shows.
    Label13.backColor = kRed;
    Label13.foreColor = kWhite;
    urikiri2.visible = true;
  } else if (tenmetukaisuu < kCycleTicks) {
    ++tenmetukaisuu;
    darken(Label13);
    urikiri2.visible = false;
  } else {
    tenmetukaisuu = 0;
    return;
  }
  // A bid recorded above the cut-off price takes the lot.
  if (!(mikirikakaku < recordedPrice())) return;
  Timer12.setEnabled(false);
  simekiri = 1;
  if (lotEnded()) return;
  award(Ending::CutOff);
}

// Three seconds after an automatic cut-off that nobody took: no sale, and the next lot.
void Form1::Timer21_Timer() {
  if (lotEnded()) {
    mikirikaisuu = 0;
    Timer21.setEnabled(false);
    return;
  }
  if (++mikirikaisuu != kTimeoutSeconds) return;
  tenmetukaisuu = 0;
  mikirikakaku = kakaku;
  Timer12.setEnabled(false);
  mikirikaisuu = 0;
  Timer21.setEnabled(false);
  urikirityuu = 0;
  serityuu = 1;
  Command22_Click();
  if (fullAutomatic()) Command26_Click();
}

}  // namespace kobaru
