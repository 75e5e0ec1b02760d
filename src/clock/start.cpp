// SPDX-License-Identifier: MIT
// Start: opens the auction of the prepared lot and sets the price clock going.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {
constexpr char kStandardSpeed[] = "0.05";  // seconds per step
constexpr Color kStartSignText = 0xFFFF80;
constexpr Color kStartSignBack = 0x404040;
}  // namespace

void Form1::Command1_Click() {
  if (startLocked()) return;
  // The automatic cycle goes on to the next lot; only the operator's own hand runs a lot again.
  if (fullAutomatic() && lotEnded()) return;
  if (!fullAutomatic()) {
    commonStart();  // the operator's own lot: nothing is checked
    return;
  }
  teisiue = urikiri + Int(draw() * 26 + 10);
  teisisita = urikiri - Int(draw() * 26 + 10);
  sutatofuka = 1;
  if (Text6.text.empty()) {
    host_.showMessage("スタート価格未記入です", "スタートできません", MessageIcon::Warning);
    focus = &Text6;
    return;
  }
  if (urikiri != 0 && !(kakaku < urikiri)) {
    host_.showMessage("うりきり価格がスタート価格より低いです", "スタートできません",
                      MessageIcon::Warning);
    // The sell-out store is never shown, so the focus stays where it is.
    Text8.text.clear();
    settei = 0;
    return;
  }
  commonStart();
  Timer9.setEnabled(true);
  Timer9.setInterval(kankaku);
  Timer17.setEnabled(true);
  Timer17.setInterval(7 * kankaku);
  if (Timer18.enabled()) beginLotWatch();  // started by hand during the start countdown
}

void Form1::commonStart() {
  urikirityuu = 0;
  taninkenri = 1;
  serityuu = 1;
  syuuryou = 0;
  syudouseri = 0;
  osityuu = 0;  // a new lot begins with the bid button released

  ousatukakaku = kakaku / 10;
  sutatokakaku = kakaku / 10;
  simekiri = 0;
  sutatofuka = 1;

  showSellOut(SellOut::Impossible);
  Command9.backColor = kSilver;
  Command22.backColor = kLightRed;

  recordReset();
  darken(Label13);
  darken(Label17);

  host_.playSound(sutatowav);
  lightStartSign();

  // A tick that rounds to 0 ms would stand the clock still while the slowed clock and the
  // simulated operator, at three and seven times the tick, still run: such a speed counts as
  // none, and the automatic practice, with nobody at the operator's panel, takes the standard.
  const auto clockStands = [](double speed) { return Timer::wholeMilliseconds(speed * 1000) == 0; };
  if (fullAutomatic() && clockStands(numericValue(Text7.text))) Text7.text = kStandardSpeed;
  sokudo = numericValue(Text7.text);
  if (clockStands(sokudo) && sokudo > 0) sokudo = 0;
  kankaku = sokudo * 1000;

  runClock(50);
  recordLine(RecordKind::Start);
}

void Form1::lightStartSign() {
  Label14.foreColor = kStartSignText;
  Label14.backColor = kStartSignBack;
  sutato2.visible = true;
  urikiri2.visible = false;
}

// The price tick at the set speed, with the lamps flickering at their own pace.
void Form1::runClock(int flickerMs) {
  Timer1.setEnabled(true);
  Timer1.setInterval(kankaku);
  Timer2.setEnabled(true);
  Timer2.setInterval(flickerMs);
}

void Form1::stopClock() {
  Timer1.setEnabled(false);
  Timer2.setEnabled(false);
}

}  // namespace kobaru
