// SPDX-License-Identifier: MIT
// Opening the practice screen, the forced stop and the end of practice.
#include "practice/form1.h"
#include "practice/paths.h"

namespace kobaru {

void Form1::Form_Load() {
  if (host_.anotherCopyRunning()) {
    host_.showMessage("このアプリケーションは、即に起動済みです。", "確認",
                      MessageIcon::Information);
    host_.closePracticeScreen();
    return;
  }
  // The window itself opens maximised: the desktop shell shows it so.
  reset();
  Command26_Click();  // a freshly opened screen plays lots by itself
}

void Form1::Command23_Click() {
  tell(LotObserver::Moment::ForcedStop);
  serityuu = 0;
  reset();
  focus = &Text6;  // the trainee types the next start price at once
}

void Form1::Command25_Click() {
  tell(LotObserver::Moment::PracticeEnded);
  allTimersOff();
  host_.showMessage("練習を終了して　メニューへ戻ります", "Kobaru", MessageIcon::Information);
  host_.showLauncher();
  host_.closePracticeScreen();
}

void Form1::reset() {
  modo = 0;
  modo10.caption = "手動モード";

  nokori.visible = false;
  nokori2.visible = false;
  Command9.caption = "決定処理";
  ousatu.visible = true;

  // The red bars mark the options chosen: the record shown, bid assist on.
  Label22.backColor = kBlack;
  Label23.backColor = kRed;
  kenriiro = kRed;
  Label20.backColor = kBlack;
  Label21.backColor = kRed;

  apppath = withTrailingSeparator(host_.programDirectory());
  sutatowav = apppath + "sutato.wav";
  rakusatuwav = apppath + "rakusatu.wav";
  nagarewav = apppath + "nagare.wav";

  // The first car's picture. (The random source needs no seeding here: it was seeded once, when
  // the program started.)
  loadLotPicture(kFirstLotPicture);

  jiseri.caption = "次競り車表示中";
  jiseri.foreColor = kYellow;
  genseri.caption.clear();

  syuppinbangou = 1000;  // the next lot prepared is 1001
  syuppin.text.clear();
  syuppin2.text.clear();
  syuppin2.visible = false;
  sutato2.visible = false;
  nensiki.text.clear();
  tenmei.text.clear();
  for (Label* l : {&tenmei1, &jibun, &tanin}) l->visible = false;

  ketteikaisuu = 0;
  simekiri = 1;
  sutatofuka = 1;
  teisihaba = 33;

  urikiri = 0;
  Text8.text = "0";

  kesu();

  showLamp(Lamp::Dark);

  darken(Label13);
  urikiri2.visible = false;
  darken(Label14);
  sutato2.visible = false;
  darken(Label17);
  kettei2.visible = false;

  recordReset();

  osityuu = 0;
  Label10.foreColor = kBlack;
  kenri2.visible = false;

  for (Button* b : {&Command9, &Command22, &Command10}) b->backColor = kSilver;

  Command8.caption = "スタート可能";
  Command8.backColor = kLightCyan;

  Timer6.setEnabled(false);
  Timer6.setInterval(0);
  Timer7.setEnabled(false);

  hojonasi = 0;

  meyasugaku.text.clear();
  teisikaisuu = 0;

  Text6.locked = false;
  Text6.text.clear();

  showOperatorPanel();

  settei = 0;
  Command1.caption = "スタート";

  allTimersOff();
}

// The operator's controls shown, the sell-out store and the start announcement hidden. The
// announcement too: a stop during the automatic start countdown must not leave it standing.
void Form1::showOperatorPanel() {
  for (Element* e : std::initializer_list<Element*>{
           &Command1,  &Command2, &Command3,  &Command4,  &Command5,  &Command6,  &Command7,
           &Command8,  &Command9, &Command10, &Command11, &Command13, &Command15, &Command22,
           &Command24, &Text6,    &Text9,     &Label7,    &Label12,   &kenri})
    e->visible = true;
  Text8.visible = false;
  Label11.visible = false;
  Label27.visible = false;
}

void Form1::loadLotPicture(int number) {
  gazoubangou = number;
  gazou = apppath + "gazou" + apppath.back() + std::to_string(gazoubangou) + ".jpg";
  Image1.picture = gazou;
}

}  // namespace kobaru
