// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/screen.h"

namespace kobaru {
namespace {

// The idle screen that both the opening and the forced stop leave.
void expectIdle(const Form1& f) {
  EXPECT_EQ(f.modo, 0);
  EXPECT_EQ(f.modo10.caption, "手動モード");
  EXPECT_EQ(f.sutatofuka, 1);
  EXPECT_EQ(f.settei, 0);
  EXPECT_EQ(f.simekiri, 1);
  EXPECT_EQ(f.urikiri, 0);
  EXPECT_EQ(f.Text8.text, "0");
  EXPECT_EQ(f.syuppinbangou, 1000);
  EXPECT_EQ(f.teisihaba, 33);
  EXPECT_EQ(f.ketteikaisuu, 0);
  EXPECT_EQ(f.osityuu, 0);
  EXPECT_EQ(f.hojonasi, 0);
  EXPECT_EQ(f.kenriiro, kRed);
  EXPECT_EQ(f.ousatu.text, "応札記録");
  EXPECT_TRUE(f.ousatu.visible);
  for (const TextBox* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text9, &f.syuppin,
                             &f.nensiki, &f.tenmei, &f.meyasugaku, &f.Text6})
    EXPECT_EQ(box->text, "") << box->name;
  for (const Element* e : std::initializer_list<const Element*>{
           &f.nokori,   &f.nokori2, &f.syuppin2, &f.sutato2, &f.urikiri2, &f.kettei2, &f.tenmei1,
           &f.jibun,    &f.tanin,   &f.midori2,  &f.kiiro2,  &f.aka2,     &f.kenri2,  &f.hyakuman2,
           &f.jyuuman2, &f.man2,    &f.sen2,     &f.Text8,   &f.Label11,  &f.Label27})
    EXPECT_FALSE(e->visible) << e->name;
  for (const Label* sign : {&f.Label13, &f.Label14, &f.Label17}) {
    EXPECT_EQ(sign->foreColor, kBlack) << sign->name;
    EXPECT_EQ(sign->backColor, kBlack) << sign->name;
    EXPECT_FALSE(sign->caption.empty()) << sign->name;  // dark, not erased
  }
  for (const Label* lamp : {&f.midori, &f.kiiro, &f.aka}) EXPECT_EQ(lamp->backColor, kBlack);
  EXPECT_EQ(f.Label10.foreColor, kBlack);
  EXPECT_EQ(f.Command8.caption, "スタート可能");
  EXPECT_EQ(f.Command8.backColor, kLightCyan);
  EXPECT_EQ(f.Command1.caption, "スタート");
  EXPECT_EQ(f.Command9.caption, "決定処理");
  for (const Button* b : {&f.Command9, &f.Command22, &f.Command10})
    EXPECT_EQ(b->backColor, kSilver);
  EXPECT_EQ(f.Label22.backColor, kBlack);
  EXPECT_EQ(f.Label23.backColor, kRed);
  EXPECT_EQ(f.Label20.backColor, kBlack);
  EXPECT_EQ(f.Label21.backColor, kRed);
  EXPECT_EQ(f.jiseri.caption, "次競り車表示中");
  EXPECT_EQ(f.genseri.caption, "");
  EXPECT_FALSE(f.Text6.locked);
  EXPECT_EQ(f.Timer6.interval(), 0);
  EXPECT_FALSE(f.scheduler.nextDue());  // every timer is off
}

TEST(Opening, BuildsThePathsShowsTheFirstPictureAndStartsTheAutomaticPractice) {
  RecordingHost host;
  Form1 f(host, scripted({0.5}));
  f.Form_Load();
  EXPECT_EQ(f.apppath, "/opt/kobaru/");
  EXPECT_EQ(f.sutatowav, "/opt/kobaru/sutato.wav");
  EXPECT_EQ(f.rakusatuwav, "/opt/kobaru/rakusatu.wav");
  EXPECT_EQ(f.nagarewav, "/opt/kobaru/nagare.wav");
  EXPECT_EQ(f.gazoubangou, 1001);
  EXPECT_EQ(f.gazou, "/opt/kobaru/gazou/1001.jpg");
  EXPECT_EQ(f.Image1.picture, f.gazou);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.closes, 0);
  // The reset, then the full-automatic command: lot 1001 is on the board, counting to its start.
  EXPECT_EQ(f.modo, 2);
  EXPECT_EQ(f.modo10.caption, "デモモード");
  EXPECT_EQ(f.syuppin.text, "1001");
  EXPECT_EQ(f.hojonasi, 0);
  EXPECT_EQ(f.ousatu.text, "応札記録");
  EXPECT_TRUE(f.Label27.visible);
  EXPECT_TRUE(f.Timer18.enabled());
  EXPECT_EQ(f.scheduler.nextDue(), 1000);
  f.scheduler.advance(3000);
  EXPECT_TRUE(f.Timer1.enabled());
  EXPECT_EQ(host.sounds, std::vector<std::string>{"/opt/kobaru/sutato.wav"});
}

TEST(Opening, ProgramFolderAtADriveRootGetsNoSecondSeparator) {
  struct Case {
    const char* folder;
    const char* sound;
    const char* picture;
  };
  const Case cases[] = {
      {"C:\\", "C:\\sutato.wav", "C:\\gazou\\1001.jpg"},
      {"C:\\Kobaru", "C:\\Kobaru\\sutato.wav", "C:\\Kobaru\\gazou\\1001.jpg"},
      {"/", "/sutato.wav", "/gazou/1001.jpg"},
  };
  for (const Case& c : cases) {
    RecordingHost host;
    host.directory = c.folder;
    Form1 f(host, scripted({0.5}));
    f.Form_Load();
    EXPECT_EQ(f.sutatowav, c.sound);
    EXPECT_EQ(f.gazou, c.picture);
  }
}

TEST(Opening, ASecondCopyTellsTheTraineeAndClosesTheScreen) {
  RecordingHost host;
  host.otherCopy = true;
  Form1 f(host, scripted({0.5}));
  f.Form_Load();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "このアプリケーションは、即に起動済みです。");
  EXPECT_EQ(host.messages[0].title, "確認");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(host.closes, 1);
  EXPECT_EQ(f.apppath, "");  // nothing of the reset ran
}

TEST(ForcedStop, ReturnsABusyScreenToIdleInManualMode) {
  ManualScreen s;
  Form1& f = s.f;
  // A lot in full swing: conditions set, clock and cycle timers running, signs lit.
  f.modo = 2;
  f.modo10.caption = "デモモード";
  f.Text6.text = "300";
  f.Command11_Click();
  f.serityuu = 1;
  f.simekiri = 0;
  f.osityuu = 1;
  f.Text6.locked = true;
  f.Text7.text = "0.1";
  f.ousatu.text += "\r\nスタート  30.0";
  f.Label13.backColor = kRed;
  f.aka.backColor = kRed;
  for (Timer* t : {&f.Timer1, &f.Timer2, &f.Timer9, &f.Timer17, &f.Timer18}) {
    t->setInterval(50);
    t->setEnabled(true);
  }
  f.scheduler.advance(120);

  f.Command23_Click();
  expectIdle(f);
  EXPECT_EQ(f.serityuu, 0);
  EXPECT_EQ(f.Text7.text, "0.1");  // the speed is left as typed
  EXPECT_EQ(f.focus, &f.Text6);
  f.Text6.text = "200";
  f.Command11_Click();
  EXPECT_EQ(f.syuppin.text, "1001");
}

TEST(EndOfPractice, StopsEveryTimerBeforeTheMessageThenReturnsToTheLauncher) {
  struct WatchingHost : RecordingHost {
    Form1* form = nullptr;
    bool clockStoppedAtMessage = false;
    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
      clockStoppedAtMessage = !form->scheduler.nextDue();
      RecordingHost::showMessage(text, title, icon);
    }
  } host;
  Form1 f(host, scripted({0.5}));
  host.form = &f;
  f.Form_Load();
  f.scheduler.advance(4000);  // the automatic lot is running
  ASSERT_TRUE(f.Timer1.enabled());
  f.Command25_Click();
  EXPECT_TRUE(host.clockStoppedAtMessage);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "練習を終了して　メニューへ戻ります");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(host.launchers, 1);
  EXPECT_EQ(host.closes, 1);
}

}  // namespace
}  // namespace kobaru
