// The decision: the operator's button in manual practice, and the award itself.
#include "practice/form1.h"
#include "practice/numbers.h"
#include "practice/record_labels.h"

namespace kobaru {

namespace {
constexpr Color kDecided = 0xFFC080;  // light orange
constexpr int kReminderMs = 500;
}  // namespace

void Form1::Command9_Click() {
  if (modo != 0) return;  // the automatic practice decides by its countdown
  simekiri = 1;  // before the sell-out this only closes the trainee's bidding
  if (syuuryou == 0 && urikirityuu == 1) rakusatusyori();
}

void Form1::rakusatusyori() {
  showLamp(Lamp::Dark);
  Label17.backColor = kRed;
  Label17.foreColor = kWhite;
  kettei2.visible = true;
  sutato2.visible = false;
  urikiri2.visible = false;
  syuuryou = 1;
  darken(Label13);
  darken(Label14);
  serityuu = 0;
  Label10.foreColor = kBlack;
  kenri2.visible = false;
  host_.playSound(rakusatuwav);

  const bool traineeWins = taninkenri == 0;
  if (traineeWins) {
    Command14.backColor = kRed;
    Timer5.setEnabled(true);
    Timer5.setInterval(kReminderMs);  // beeps until the trainee confirms
  } else {
    Command14.backColor = kSilver;
    Command10.backColor = kRed;
  }
  for (Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer17}) t->setEnabled(false);

  kakakuman = kakaku / 10;
  kirokukakaku = priceText(kakakuman);
  tenmei1.visible = true;
  if (traineeWins) {
    kirokumei = labels::kAwardTrainee;
    tenmei.text = "練習者";
    kenri.caption = "練習者落札";
    jibun.visible = true;
    tanin.visible = false;
    focus = &Command14;  // Enter confirms
  } else {
    kirokumei = labels::kAwardOther;
    tenmei.text = "他の人";
    tanin.visible = true;
    jibun.visible = false;
  }
  appendRecordLine();

  Command8.caption = "決　定";
  Command8.backColor = kDecided;
}

}  // namespace kobaru
