// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "support/automatic_practice.h"
#include "support/screen.h"

namespace kobaru {
namespace {

// A full-automatic lot at 200 with the guide 30.0, the operator raising for the floor (pattern
// 0), the floor's reserve and limit given. Once the lot is sold out the trainee retakes the right
// one position up whenever the floor holds it, 1.5 s after it took it, up to `trainee`
// (thousands of yen).
struct Battle {
  AutomaticLot lot{"200", "300", 33, 0};
  Form1& f = lot.f;

  Battle(double reserve, double limit) {
    f.urikiri = reserve;
    f.floorLimit = limit;
  }

  void play(double trainee) {
    for (int i = 0; i < 400 && f.syuuryou == 0; ++i) {
      lot.ticks(30);  // 1.5 s
      if (f.urikirityuu == 1 && f.taninkenri == 1 && f.kakaku + Form1::kPriceStep <= trainee)
        f.Command12_Click();
    }
  }
};

TEST(FloorLimit, TheFloorBidsNoHigherThanItsLimitAfterTheSellOut) {
  struct Case {
    const char* what;
    double reserve, limit, trainee;
    bool traineeWins;
    double price;  // the award's, thousands of yen
  };
  const Case cases[] = {
      // Sold out at 302 to the floor; 305 the trainee, 308 the floor, 311 the trainee.
      {"the trainee goes past the floor's limit above the guide and wins", 300, 309, 400, true,
       311},
      // Sold out at 287 to the floor; 290 the trainee, and 293 is past the floor's limit.
      {"the floor's limit short of the guide: the trainee wins below it", 285, 291, 400, true, 290},
      {"the trainee stops first: the floor keeps the right", 300, 309, 306, false, 308},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Battle b(c.reserve, c.limit);
    b.play(c.trainee);
    ASSERT_EQ(b.f.syuuryou, 1);
    EXPECT_EQ(b.f.jibun.visible, c.traineeWins);
    EXPECT_EQ(b.f.tanin.visible, !c.traineeWins);
    EXPECT_EQ(b.f.kakaku, c.price);
  }
}

TEST(FloorLimit, IsDrawnBetweenTheReserveAndALittleOverTheGuide) {
  for (double r : {0.0, 0.5, 0.9999}) {
    AutomaticLot lot("200", "300");
    lot.draws = {0.5, 0.0, 0.9, r};  // model year, no reserve offset, then the limit
    lot.f.Command10_Click();
    lot.f.syuuryou = 1;
    lot.f.sutatofuka = 1;
    lot.f.settei = 0;
    lot.f.Command11_Click();
    EXPECT_GE(lot.f.floorLimit, lot.f.urikiri) << r;
    EXPECT_LE(lot.f.floorLimit, 309) << r;
    EXPECT_EQ(static_cast<int>(lot.f.floorLimit - lot.f.urikiri) % Form1::kPriceStep, 0) << r;
  }
  ManualScreen manual;
  manual.f.Text8.text = "300";
  manual.startLot();
  EXPECT_EQ(manual.f.floorLimit, 0);  // the operator's own hand has no limit
}

// However the trainee clicks, the floor gives up: no lot of the automatic practice lasts long.
TEST(FloorLimit, NoLotLastsLongHoweverTheTraineeClicks) {
  for (std::uint64_t seed : {1u, 2u, 3u}) {
    RecordingHost host;
    Form1 f(host, seededRnd(seed));
    f.Form_Load();
    std::mt19937_64 gen(seed);
    std::int64_t lotStarted = 0;
    double lot = f.syuppinbangou;
    std::int64_t longest = 0;
    while (f.syuppinbangou < lot + 30 && f.scheduler.now() < 3'600'000) {
      f.scheduler.advance(std::uniform_int_distribution<int>(100, 1600)(gen));
      f.Command12_Click();
      if (f.Command14.backColor == kRed) f.Command14_Click();
      if (f.syuppinbangou != lot || lotStarted == 0) {
        longest = std::max(longest, f.scheduler.now() - lotStarted);
        lotStarted = f.scheduler.now();
        lot = f.syuppinbangou;
      }
    }
    EXPECT_LT(longest, 3 * 60'000) << seed;
  }
}

}  // namespace
}  // namespace kobaru
