// SPDX-License-Identifier: MIT
// The decision: the operator's button in manual practice, and the award itself, by decision or at
// a cut-off.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {

constexpr Color kDecided = 0xFFC080;  // light orange
constexpr int kReminderMs = 500;

struct AwardText {
  RecordKind toTrainee;
  RecordKind toFloor;
  const char* traineeStatus;
};

// Indexed by Ending.
constexpr AwardText kAwardTexts[] = {
    {RecordKind::AwardToTrainee, RecordKind::AwardToFloor, "練習者落札"},
    {RecordKind::CutOffAwardToTrainee, RecordKind::CutOffAwardToFloor, "練見切落札"},
};

}  // namespace

void Form1::Command9_Click() {
  if (modo != 0) return;  // the automatic practice decides by its countdown
  simekiri = 1;           // before the sell-out this only closes the trainee's bidding
  if (!lotEnded() && soldOut()) rakusatusyori();
}

void Form1::rakusatusyori() {
  award(Ending::Decision);
}

void Form1::award(Ending ending) {
  const AwardText& text = kAwardTexts[static_cast<int>(ending)];
  showLamp(Lamp::Dark);
  Label17.backColor = kRed;
  Label17.foreColor = kWhite;
  kettei2.visible = true;
  sutato2.visible = false;
  urikiri2.visible = false;
  syuuryou = 1;
  if (ending == Ending::CutOff) Command22.backColor = kSilver;
  darken(Label13);
  darken(Label14);
  serityuu = 0;
  Label10.foreColor = kBlack;
  kenri2.visible = false;
  host_.playSound(rakusatuwav);

  const bool traineeWins = traineeHoldsRight();
  if (traineeWins) {
    lightTwin(Command14);
    Timer5.setEnabled(true);
    Timer5.setInterval(kReminderMs);  // beeps until the trainee confirms
  } else {
    lightTwin(Command10);
  }
  for (Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  leaveEndedLot();

  tenmei1.visible = true;
  if (traineeWins) {
    tenmei.text = "練習者";
    kenri.caption = text.traineeStatus;
    jibun.visible = true;
    tanin.visible = false;
    focus = &Command14;  // Enter confirms
  } else {
    tenmei.text = "他の人";
    tanin.visible = true;
    jibun.visible = false;
  }
  recordLine(traineeWins ? text.toTrainee : text.toFloor);

  Command8.caption = "決　定";
  Command8.backColor = kDecided;
}

}  // namespace kobaru
