// SPDX-License-Identifier: MIT
// Putting a lot's conditions on the board, clearing it after the lot, and the panel's entries.
#include <algorithm>
#include <cmath>

#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {

// The floor's limit lies between its reserve and this much above the guide price.
constexpr double kFloorLimitOverGuide = 0.03;

// The price an entry holds, in thousands of yen: its numeric value when the board can show it
// (0 to kLargestShownPrice, in whole hundreds of yen), and otherwise 0, as for an empty entry.
// Anything else would put several digits, a long fraction or an exponent's worth of digits into
// one digit box, and a different number on the panel and in the record.
double entryPrice(const std::string& text) {
  const double value = numericValue(text);
  const bool shown =
      value >= 0 && value <= Form1::kLargestShownPrice && std::round(value * 10) / 10 == value;
  return shown ? value + 0.0 : 0;  // + 0.0 makes a typed "-0" a plain 0
}

}  // namespace

void Form1::Command11_Click() {
  if (sutatofuka != 1 || settei != 0) return;
  tell(LotObserver::Moment::LotPrepared);
  if (fullAutomatic()) {
    settei = 0;
    sutatofuka = 1;
  } else {
    settei = 1;      // a second press does nothing
    sutatofuka = 0;  // Start may go
  }
  kesu();

  darken(Label13);
  urikiri2.visible = false;
  Label14.foreColor = kBlack;
  sutato2.visible = false;
  darken(Label17);
  kettei2.visible = false;

  Command8.caption = "スタート可能";
  Command8.backColor = kLightCyan;

  syuppinbangou += 1;
  syuppin.text = numberText(syuppinbangou);
  syuppin2.visible = true;
  syuppin2.text = syuppin.text;

  nensiki.text = numberText(Int(draw() * 15 + 1));

  jiseri.caption.clear();
  genseri.caption = "現競り";
  genseri.foreColor = kRed;

  tenmei.text.clear();
  for (Label* l : {&tenmei1, &jibun, &tanin}) l->visible = false;

  teisikaisuu = 0;
  kakaku = entryPrice(Text6.text);
  urikiri = entryPrice(Text8.text);

  showGuidePrice();

  hyouji();

  // The floor works with a reserve a little off the guide the board shows.
  if (urikiri != 0) {
    const int d = Int(draw() * 18);
    const int s = Int(draw() * 4 + 1);
    if (s >= 3) {
      urikiri += d;
    } else {
      urikiri -= d;
      if (urikiri < 0) urikiri += d;
    }
  }
  drawFloorLimit();
}

// In whole steps of the clock above the floor's reserve, up to a little over the guide: a
// trainee who goes past it wins, sometimes below the guide, sometimes a little above.
void Form1::drawFloorLimit() {
  floorLimit = 0;
  if (!fullAutomatic() || urikiri == 0) return;
  const double highest = std::max(urikiri, std::floor(meyasuti * 10 * (1 + kFloorLimitOverGuide)));
  const int steps = Int((highest - urikiri) / kPriceStep);
  floorLimit = urikiri + kPriceStep * Int(draw() * (steps + 1));
}

void Form1::showGuidePrice() {
  meyasuti = urikiri / 10;
  meyasugaku.text = urikiri == 0 ? "0" : priceText(meyasuti);
}

void Form1::Command10_Click() {
  if (Command14.backColor == kRed) return;
  sutatofuka = 1;
  // The clock's ceiling ends a lot too, without a decision.
  if (!lotEnded() && !(kakaku > 9992)) return;
  tell(LotObserver::Moment::LotPrepared);
  settei = 0;
  Command11.visible = !fullAutomatic();
  showLamp(Lamp::Dark);
  syuuryou = 0;
  for (Button* b : {&Command10, &Command9, &Command22}) b->backColor = kSilver;
  kakaku = 0;  // the boards keep the last price until the next lot is prepared
  Label10.foreColor = kBlack;
  kenri2.visible = false;
  showNextLot();
  // Pressed before the lot watch saw the red button, or before the start countdown of a lot
  // that ended early has run out: go on as the watch would have.
  if (fullAutomatic() && (Timer19.enabled() || Timer18.enabled())) awaitNextLot();
}

void Form1::Command14_Click() {
  if (Command10.backColor == kRed) return;
  sutatofuka = 1;
  settei = 0;
  Command11.visible = !fullAutomatic();
  if (!lotEnded()) return;
  showLamp(Lamp::Dark);
  syuuryou = 0;
  kakaku = 0;
  Label10.foreColor = kBlack;
  kenri2.visible = false;
  Command14.backColor = kSilver;
  Timer5.setEnabled(false);
  Timer5.setInterval(0);
  for (Button* b : {&Command9, &Command22}) b->backColor = kSilver;
  showNextLot();
  if (fullAutomatic()) awaitNextLot();
}

// The twin button that clears the ended lot turns red. The other one goes grey, with its
// reminder: red from an earlier end of a lot that was run again by hand, it would block the
// first, and neither could clear the board.
void Form1::lightTwin(Button& twin) {
  Button& other = &twin == &Command10 ? Command14 : Command10;
  other.backColor = kSilver;
  if (&other == &Command14) {
    Timer5.setEnabled(false);
    Timer5.setInterval(0);
  }
  twin.backColor = kRed;
}

void Form1::showNextLot() {
  Image1.picture.clear();
  // The shipped pictures are numbered from 1001 without gaps; after the last comes the first.
  const int next = gazoubangou + 1;
  loadLotPicture(next);
  if (!host_.isRegularFile(gazou)) loadLotPicture(kFirstLotPicture);
  jiseri.caption = "次競り車表示中";
  jiseri.foreColor = kYellow;
  genseri.caption.clear();
  nokori2.visible = false;
}

void Form1::Text6_KeyPress(char32_t) {
  sutatofuka = 1;
}

void Form1::Text7_KeyPress(char32_t) {
  sutatofuka = 1;
}

void Form1::Text7_Click() {
  Text7.text.clear();  // the trainee types the new speed from scratch
  settei = 0;
}

void Form1::Command18_Click() {
  ousatu.visible = false;
  Label23.backColor = kBlack;
  Label22.backColor = kRed;
}

void Form1::Command19_Click() {
  ousatu.visible = true;
  Label22.backColor = kBlack;
  Label23.backColor = kRed;
}

void Form1::seiseki_Click() {
  host_.showResults();
}

}  // namespace kobaru
