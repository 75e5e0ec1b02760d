// SPDX-License-Identifier: MIT
// The trainee's bid button and the operator's continuous raise, which plays the other buyers.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {
constexpr int kHeldFlickerMs = 60;
constexpr int kFlashMs = 40;
}  // namespace

// The clock stopped on a bid: the red lamp burns steadily.
void Form1::steadyRedLamp() {
  Timer2.setEnabled(false);
  showLamp(Lamp::Red);
}

// The trainee's one-position bid: the red lamp blinks once.
void Form1::redFlash() {
  youranpu = 0;
  showLamp(Lamp::Dark);
  Timer4.setEnabled(true);
  Timer4.setInterval(kFlashMs);
}

void Form1::Command12_MouseDown() {
  if (biddingClosed()) return;
  tell(LotObserver::Moment::BidButtonPressed);
  // Holding the button with the clock stopped sets it climbing until the release.
  if (!(auctionInProgress() && !soldOut() && !clockRuns() && osityuu == 0)) return;
  takeRight();
  osityuu = 1;
  runClock(kHeldFlickerMs);
}

void Form1::Command12_MouseUp() {
  if (biddingClosed()) return;
  if (!(auctionInProgress() && !soldOut() && clockRuns() && osityuu == 1)) return;
  takeRight();
  osityuu = 0;
  stopClock();
  steadyRedLamp();
  recordBid(RecordKind::TraineeHeldBid);
  showSellOut(SellOut::Possible);
}

void Form1::Command12_Click() {
  if (biddingClosed()) return;
  // The first click after another buyer's raise restarts the countdown, later ones do not.
  if (kaisinaosi != 0) {
    restartCountdown();
    kaisinaosi = 0;
  }
  if (!auctionInProgress()) return;
  const bool running = clockRuns();
  if (!soldOut()) {
    // A bid at the running price; with the clock stopped, press and release did the work.
    if (running && osityuu == 0) {
      takeRight();
      recordBid(RecordKind::TraineeBid);
      showSellOut(SellOut::Impossible);
    }
    return;
  }
  if (running) return;
  // One-position stage: a click takes the right, one position up if another buyer holds it.
  if (actorHoldsRight()) {
    redFlash();
    kakakuman = kakaku / 10;
    kirokukakaku = priceText(kakakuman);
    if (!newestRecordLineIs(RecordKind::TraineeRight)) appendRecordLine(RecordKind::TraineeRight);
    ousatukakaku = kakakuman;
  } else {
    if (kakaku + kPriceStep > kLargestShownPrice) return;  // the board shows no higher price
    kakaku += kPriceStep;
    hyouji();
    redFlash();
    takeRight();
    recordBid(RecordKind::TraineeOnePosition);
  }
  showSellOut(SellOut::Declared);
  kenrihyouji();
}

void Form1::Command13_MouseDown() {
  restartCountdown();
  kaisinaosi = 1;
  if (lotEnded()) return;
  if (!soldOut() && clockRuns()) return;  // the others join the running rise
  taninkenri = 1;
  syudouseri = 1;
  kenrikesu();
  runClock(kHeldFlickerMs);
}

void Form1::Command13_MouseUp() {
  if (lotEnded()) return;
  if (!soldOut() && clockRuns() && syudouseri == 0) {
    // The others' bid at the running price; the clock runs on.
    recordBid(RecordKind::FloorBid);
    showSellOutButton(SellOut::Impossible);
    return;
  }
  stopClock();
  steadyRedLamp();
  if (!soldOut()) {
    recordBid(RecordKind::OperatorContinuous);
    showSellOut(SellOut::Possible);
  } else {
    recordBid(RecordKind::FloorOnePosition);
    showSellOut(SellOut::Declared);
  }
}

}  // namespace kobaru
