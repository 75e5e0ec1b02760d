// SPDX-License-Identifier: MIT
// The price clock: +3 a tick up to the ceiling, the lamps, and the operator's stop, slow raise and
// one-position raise (also pressed by the simulated operator in full-automatic practice).
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {
// The clock never shows a price of 9996 or more: the step that reaches it stops the clock.
constexpr double kCeiling = 9996;
constexpr int kSlowFlickerMs = 150;
constexpr int kFlashMs = 40;
}  // namespace

void Form1::stepPrice() {
  kakaku += kPriceStep;
  if (kakaku < kCeiling) {
    hyouji();
  } else {
    stopClock();  // the board keeps the previous price
  }
}

void Form1::Timer1_Timer() {
  stepPrice();
}

void Form1::Timer2_Timer() {
  randomLamp();
}

void Form1::Command2_Click() {
  if (!clockRuns()) return;
  stopClock();
  showLamp(Lamp::Green);
  recordLine(RecordKind::OperatorStop);
}

void Form1::Command15_Click() {
  if (!clockRuns()) return;
  Timer1.setEnabled(true);
  Timer1.setInterval(3 * kankaku);
  Timer2.setEnabled(true);
  Timer2.setInterval(kSlowFlickerMs);
  recordLine(RecordKind::OperatorSlow);
}

void Form1::Command3_Click() {
  restartCountdown();
  kaisinaosi = 1;
  if (lotEnded()) return;

  // Untouched, the running clock carries the others' bids: the press marks one, without a step.
  if (syudouseri == 0 && !soldOut() && clockRuns()) {
    recordBid(RecordKind::FloorBid);
    showSellOut(SellOut::Impossible);
    return;
  }

  taninkenri = 1;
  syudouseri = 1;
  kenrikesu();
  coranpu = 0;
  stepPrice();
  randomLamp();
  Timer3.setEnabled(true);
  Timer3.setInterval(kFlashMs);
  if (!soldOut()) {
    showSellOut(SellOut::Possible);
    Command9.backColor = kSilver;
    Command22.backColor = kLightRed;
    recordBid(RecordKind::OperatorOnePosition);
  } else {
    showSellOut(SellOut::Declared);
    recordBid(RecordKind::FloorOnePosition);
  }
}

// The lamp lit by the operator's step goes dark at the second tick.
void Form1::Timer3_Timer() {
  if (++coranpu != 2) return;
  Timer3.setEnabled(false);
  showLamp(Lamp::Dark);
}

// The trainee's one-position bid: red at the first tick, dark at the second.
void Form1::Timer4_Timer() {
  if (++youranpu == 2) {
    Timer4.setEnabled(false);
    showLamp(Lamp::Dark);
  } else {
    showLamp(Lamp::Red);
  }
}

void Form1::Timer17_Timer() {
  // Raise unless the sell-out is declared and another buyer already holds the right, or the
  // raise would take the floor past its limit.
  const auto raiseForOthers = [this] {
    if (soldOut() && taninkenri == 1) return;
    if (soldOut() && floorLimit != 0 && kakaku + kPriceStep > floorLimit) return;
    Command3_Click();
  };
  switch (copatan) {
    case 0:
      raiseForOthers();
      break;
    case 1:    // stops raising at teisiue
    case 3: {  // stops raising at teisisita
      const double stopAt = copatan == 1 ? teisiue : teisisita;
      if (!(kakaku < stopAt)) {
        Timer17.setEnabled(false);
      } else {
        raiseForOthers();
      }
      break;
    }
    case 2:
      if (soldOut()) {
        Timer17.setEnabled(false);
      } else {
        Command3_Click();
      }
      break;
    case 4:
      if (clockRuns()) {
        Command3_Click();
      } else {
        Timer17.setEnabled(false);
      }
      break;
    default:  // 5: this lot's operator never raises
      Timer17.setEnabled(false);
      break;
  }
}

}  // namespace kobaru
