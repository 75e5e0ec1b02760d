// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "support/screen.h"

namespace kobaru {
namespace {

TEST(LotPreparation, PutsTheLotOnTheBoard) {
  ManualScreen s({0.7});  // model year Int(0.7 * 15 + 1) = 11
  Form1& f = s.f;
  f.Text6.text = "200";
  f.Command11_Click();
  EXPECT_EQ(f.settei, 1);
  EXPECT_EQ(f.sutatofuka, 0);
  EXPECT_EQ(f.syuppin.text, "1001");
  EXPECT_EQ(f.syuppin2.text, "1001");
  EXPECT_TRUE(f.syuppin2.visible);
  EXPECT_EQ(f.nensiki.text, "11");
  EXPECT_EQ(f.kakaku, 200);
  EXPECT_EQ(f.Text2.text + f.Text3.text + f.Text4.text, "200");
  EXPECT_EQ(f.sen2.text, "0");
  EXPECT_EQ(f.Text9.text, "20.0");
  EXPECT_EQ(f.urikiri, 0);  // manual mode: no reserve, no variation
  EXPECT_EQ(f.meyasugaku.text, "0");
  EXPECT_EQ(f.jiseri.caption, "");
  EXPECT_EQ(f.genseri.caption, "現競り");
  EXPECT_EQ(f.genseri.foreColor, kRed);
  EXPECT_EQ(f.Command8.caption, "スタート可能");

  f.Command11_Click();  // a second press does nothing
  EXPECT_EQ(f.syuppin.text, "1001");
}

TEST(LotPreparation, AnEmptyOrFractionalStartPriceIsCarriedThrough) {
  struct Case {
    const char* entry;
    double kakaku;
    const char* thousands;
  };
  const Case cases[] = {{"", 0, "0"}, {"200.5", 200.5, "0.5"}, {"abc", 0, "0"}};
  for (const Case& c : cases) {
    ManualScreen s;
    s.f.Text6.text = c.entry;
    s.f.Command11_Click();
    EXPECT_EQ(s.f.kakaku, c.kakaku) << c.entry;
    EXPECT_EQ(s.f.Text4.text, c.thousands) << c.entry;
  }
}

// A start price the board cannot show counts as an empty entry: 0 on both boards, in the panel
// and in the record. The board shows 0 to 9999 thousand yen in whole hundreds of yen.
TEST(LotPreparation, AStartPriceTheBoardCannotShowCountsAsEmpty) {
  struct Case {
    std::string entry;
    double kakaku;
    const char* board;  // Text1 to Text4 joined with '|'
    const char* panel;
  };
  const Case cases[] = {
      {"9999", 9999, "9|9|9|9", "999.9"},
      {"200.5", 200.5, "|2|0|0.5", "20.1"},
      {"1e3", 1000, "1|0|0|0", "100.0"},
      {"-0", 0, "|||0", ".0"},
      {"10000", 0, "|||0", ".0"},
      {"9999.1", 0, "|||0", ".0"},
      {std::string(10'000, '9'), 0, "|||0", ".0"},
      {"123456789012345678", 0, "|||0", ".0"},
      {"1e-320", 0, "|||0", ".0"},
      {"1e400", 0, "|||0", ".0"},
      {"200.05", 0, "|||0", ".0"},
      {"-5", 0, "|||0", ".0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry.substr(0, 20));
    ManualScreen s;
    Form1& f = s.f;
    f.Text6.text = c.entry;
    f.Command11_Click();
    EXPECT_EQ(f.kakaku, c.kakaku);
    EXPECT_EQ(f.Text1.text + "|" + f.Text2.text + "|" + f.Text3.text + "|" + f.Text4.text, c.board);
    EXPECT_EQ(f.hyakuman2.text + "|" + f.jyuuman2.text + "|" + f.man2.text + "|" + f.sen2.text,
              c.board);
    EXPECT_EQ(f.Text9.text, c.panel);
    f.Command1_Click();
    EXPECT_EQ(lastLine(f), std::string("スタート  ") + c.panel);
  }
}

TEST(LotPreparation, ModelYearSpansOneToFifteen) {
  for (auto [r, year] : {std::pair{0.0, "1"}, {0.999999, "15"}, {-3.0, "1"}, {7.0, "15"}}) {
    ManualScreen s({r});
    s.f.Command11_Click();
    EXPECT_EQ(s.f.nensiki.text, year) << r;
  }
}

TEST(LotPreparation, ReserveOf500ShowsGuide50AndVariesWithin483To517) {
  double lowest = 1e9, highest = -1e9;
  std::set<double> seen;
  // Every pair of draws for the offset d (0..17) and the direction s (1..4).
  for (int d = 0; d < 18; ++d) {
    for (int dir = 0; dir < 4; ++dir) {
      ManualScreen s({0.5, (d + 0.5) / 18, (dir + 0.5) / 4});
      Form1& f = s.f;
      f.Text8.text = "500";
      f.Command11_Click();
      EXPECT_EQ(f.meyasugaku.text, "50.0");
      EXPECT_EQ(f.meyasuti, 50);
      EXPECT_EQ(f.urikiri, dir >= 2 ? 500 + d : 500 - d);
      lowest = std::min(lowest, f.urikiri);
      highest = std::max(highest, f.urikiri);
      seen.insert(f.urikiri);
    }
  }
  EXPECT_EQ(lowest, 483);
  EXPECT_EQ(highest, 517);
  EXPECT_EQ(seen.size(), 35u);
}

TEST(LotPreparation, AVariationBelowZeroIsTakenBack) {
  ManualScreen s({0.5, 0.99, 0.1});  // d = 17 downwards from a reserve of 10
  s.f.Text8.text = "10";
  s.f.Command11_Click();
  EXPECT_EQ(s.f.urikiri, 10);
  EXPECT_EQ(s.f.meyasugaku.text, "1.0");
}

// The flags through a manual lot: which of Start and the lot preparation may act.
TEST(LotPreparation, FlagsWalkThroughTheManualCycle) {
  ManualScreen s;
  Form1& f = s.f;
  auto flags = [&] { return std::pair{f.sutatofuka, f.settei}; };
  EXPECT_EQ(flags(), std::pair(1, 0));  // after a reset
  f.Command11_Click();
  EXPECT_EQ(flags(), std::pair(0, 1));  // conditions set
  f.Text6_KeyPress(U'3');
  EXPECT_EQ(flags(), std::pair(1, 1));  // a key typed: Start refused, preparation refused
  f.Command11_Click();
  EXPECT_EQ(f.syuppin.text, "1001");
  f.Text7_Click();
  EXPECT_EQ(flags(), std::pair(1, 0));  // a click into the speed: preparation acts again
  EXPECT_EQ(f.Text7.text, "");
  f.Command11_Click();
  EXPECT_EQ(f.syuppin.text, "1002");
  f.Text7_KeyPress(U'1');
  EXPECT_EQ(flags(), std::pair(1, 1));
  f.Command10_Click();  // the lot has not ended: only the start lock
  EXPECT_EQ(flags(), std::pair(1, 1));
  f.Command14_Click();  // the confirm also clears the conditions
  EXPECT_EQ(flags(), std::pair(1, 0));
  EXPECT_TRUE(f.Command11.visible);
}

TEST(NextLot, ClearsTheEndedLotAndShowsTheNextCar) {
  ManualScreen s;
  Form1& f = s.f;
  f.Text6.text = "200";
  f.Command11_Click();
  f.syuuryou = 1;
  f.Command10.backColor = kRed;
  f.Command9.backColor = kLightRed;
  f.midori.backColor = 0x00C000;
  f.aka2.visible = true;
  f.Label10.foreColor = kRed;
  f.kenri2.visible = true;
  f.nokori2.visible = true;
  f.Command10_Click();
  EXPECT_EQ(f.syuuryou, 0);
  EXPECT_EQ(f.settei, 0);
  EXPECT_EQ(f.sutatofuka, 1);
  EXPECT_EQ(f.kakaku, 0);
  EXPECT_EQ(f.Text9.text, "20.0");  // the board keeps the last price
  for (const Button* b : {&f.Command10, &f.Command9, &f.Command22})
    EXPECT_EQ(b->backColor, kSilver);
  EXPECT_EQ(f.midori.backColor, kBlack);
  EXPECT_FALSE(f.aka2.visible);
  EXPECT_EQ(f.Label10.foreColor, kBlack);
  EXPECT_FALSE(f.kenri2.visible);
  EXPECT_FALSE(f.nokori2.visible);
  EXPECT_EQ(f.jiseri.caption, "次競り車表示中");
  EXPECT_EQ(f.genseri.caption, "");
}

TEST(NextLot, TheClockAtItsCeilingEndsTheLotToo) {
  ManualScreen s;
  s.f.kakaku = 9993;
  s.f.settei = 1;
  s.f.Command10_Click();
  EXPECT_EQ(s.f.kakaku, 0);
  EXPECT_EQ(s.f.settei, 0);
}

TEST(NextLot, TheTwinsBlockEachOtherWhileTheOtherIsRed) {
  for (bool confirmRed : {true, false}) {
    ManualScreen s;
    Form1& f = s.f;
    f.syuuryou = 1;
    f.settei = 1;
    f.sutatofuka = 0;
    (confirmRed ? f.Command14 : f.Command10).backColor = kRed;
    if (confirmRed) {
      f.Command10_Click();
    } else {
      f.Command14_Click();
    }
    EXPECT_EQ(f.syuuryou, 1) << confirmRed;
    EXPECT_EQ(f.settei, 1) << confirmRed;
    EXPECT_EQ(f.sutatofuka, 0) << confirmRed;
  }
}

TEST(Confirm, InFullAutomaticModeContinuesTheCycle) {
  ManualScreen s;
  Form1& f = s.f;
  f.modo = 2;
  f.syuuryou = 1;
  f.Command14.backColor = kRed;
  f.Command14_Click();
  EXPECT_EQ(f.Command14.backColor, kSilver);
  EXPECT_FALSE(f.Command11.visible);
  EXPECT_TRUE(f.Timer20.enabled());
}

// The lot pictures step on from 1001 and wrap round after the last one shipped; anything at a
// picture's path that is not a regular file (a folder, a pipe) counts as no picture.
TEST(NextLot, PicturesStepThroughTheShippedOnesAndWrapRound) {
  RecordingHost host;
  for (int n : {1001, 1002, 1003})
    host.regularFiles.insert("/opt/kobaru/gazou/" + std::to_string(n) + ".jpg");
  Form1 f(host, scripted({0.5}));
  f.Form_Load();
  std::vector<int> shown;
  for (int lot = 0; lot < 4; ++lot) {
    f.syuuryou = 1;
    f.Command10_Click();
    shown.push_back(f.gazoubangou);
    EXPECT_EQ(f.Image1.picture, f.gazou);
  }
  EXPECT_EQ(shown, (std::vector<int>{1002, 1003, 1001, 1002}));
}

// A host that cannot look at files (the seam's default) keeps the first picture.
TEST(NextLot, AHostThatCannotLookKeepsTheFirstPicture) {
  struct BlindHost : RecordingHost {
    bool isRegularFile(const std::string& path) override { return Host::isRegularFile(path); }
  } host;
  Form1 f(host, scripted({0.5}));
  f.Form_Load();
  f.syuuryou = 1;
  f.Command10_Click();
  EXPECT_EQ(f.gazoubangou, Form1::kFirstLotPicture);
  EXPECT_EQ(f.Image1.picture, "/opt/kobaru/gazou/1001.jpg");
}

}  // namespace
}  // namespace kobaru
