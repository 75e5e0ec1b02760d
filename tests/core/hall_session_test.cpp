// SPDX-License-Identifier: MIT
#include "hall/hall_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "presentation/trainee_view.h"
#include "support/automatic_practice.h"
#include "support/inputs.h"
#include "support/recording_host.h"

namespace kobaru {
namespace {

// A hall in manual mode, a lot at 200 started, with the trainees given.
struct Hall : ::testing::Test {
  RecordingHost platform;
  std::int64_t wall = 10'000;
  HallSession hall{platform, scripted({0.5}), wall};
  Form1& f = hall.form();
  int a = hall.join("青木");
  int b = hall.join("馬場");

  void op(const char* name) { hall.operatorInput(key(InputKind::KeyDown, name, U'\r'), wall); }
  void after(int ms) {
    for (; ms > 0; ms -= 50) {
      wall += std::min(ms, 50);
      hall.operatorInput(input(InputKind::Tick), wall);
    }
  }
  void press(int who) { hall.bidderInput(who, down("Command12"), wall); }
  void release(int who) { hall.bidderInput(who, up("Command12"), wall); }
  void click(int who) {
    press(who);
    release(who);
  }
  void confirm(int who) {
    hall.bidderInput(who, key(InputKind::KeyDown, "Command14", U'\r'), wall);
  }

  void startLot() {
    hall.operatorInput(input(InputKind::Load), wall);
    op("Command23");
    hall.operatorInput(typed("Text6", "200"), wall);
    op("Command11");
    op("Command1");
  }
  // The lot stopped at its start price, then sold out: the floor holds the right.
  void soldOut() {
    startLot();
    op("Command2");
    op("Command8");
  }

  std::map<std::string, DisplayedElement> view(int who) {
    std::map<std::string, DisplayedElement> all;
    for (const DisplayedElement& d : hall.bidderAll(who)) all.emplace(d.element().name, d);
    return all;
  }
  std::string record(int who) { return std::get<TextBox>(view(who).at("ousatu").state).text; }
  std::string newest(int who) {
    const std::string r = record(who);
    return r.substr(r.rfind('\n') + 1);
  }
};

TEST_F(Hall, AClickWhileThePriceClimbsIsThatTraineesBidAndTheirRight) {
  startLot();
  after(100);
  click(a);
  EXPECT_EQ(newest(a), "YOU  20.6");
  EXPECT_EQ(newest(b), "他  20.6");
  EXPECT_EQ(hall.rightHolder(), a);
  after(100);
  click(b);
  EXPECT_EQ(newest(a), "他  21.2");
  EXPECT_EQ(newest(b), "YOU  21.2");
  EXPECT_EQ(hall.rightHolder(), b);
  EXPECT_TRUE(f.Timer1.enabled());  // the clock runs on
  op("Command2");
  op("Command3");  // the operator raises one position for the floor
  EXPECT_EQ(hall.rightHolder(), std::nullopt);
}

TEST_F(Hall, TheClockClimbsWhileAnybodyHoldsAndTheLastToLetGoHasTheRight) {
  for (bool firstLetsGoFirst : {true, false}) {
    SCOPED_TRACE(firstLetsGoFirst);
    startLot();
    op("Command2");
    press(a);
    press(b);
    after(300);
    const int first = firstLetsGoFirst ? a : b, last = firstLetsGoFirst ? b : a;
    release(first);
    EXPECT_TRUE(f.Timer1.enabled());  // the other still holds: it climbs on
    after(200);
    release(last);
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_EQ(f.rightHolder, last);
    EXPECT_EQ(newest(last).rfind("ベタ YOU  ", 0), 0u) << newest(last);
    EXPECT_EQ(newest(first).rfind("他  ", 0), 0u) << newest(first);
    EXPECT_EQ(record(first).find("YOU"), std::string::npos);  // who dropped out did not bid
    op("Command23");
  }
}

TEST_F(Hall, AReleaseByOneNotHoldingLeavesTheHoldAlone) {
  startLot();
  press(b);  // while the clock runs by itself: no hold of theirs
  op("Command2");
  press(a);  // the clock stopped: a's hold climbs it
  release(b);
  EXPECT_TRUE(f.Timer1.enabled());
  hall.leave(b, wall);
  EXPECT_TRUE(f.Timer1.enabled());
  after(100);
  release(a);
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(hall.rightHolder(), a);
}

TEST_F(Hall, AfterTheSellOutClicksTakeTheLotOnePositionUpInTheirOrder) {
  soldOut();
  const double price = f.kakaku;
  click(a);
  click(b);  // in the same tick
  EXPECT_EQ(f.kakaku, price + 6);
  EXPECT_EQ(f.rightHolder, b);
  EXPECT_EQ(newest(a), "1POS 他  20.6");
  EXPECT_EQ(newest(b), "1POS YOU  20.6");
  // The holder's click confirms the right; the others see nothing of it.
  const std::string aBefore = record(a);
  click(b);
  EXPECT_EQ(newest(b), "権利 YOU  20.6");
  EXPECT_EQ(record(a), aBefore);
  EXPECT_EQ(f.kakaku, price + 6);
}

// A hall of the automatic practice, which decides by its countdown, seeded, with two trainees.
struct AutomaticHall : ::testing::Test {
  RecordingHost platform;
  std::int64_t wall = 0;
  HallSession hall{platform, seededRnd(3), wall};
  Form1& f = hall.form();
  int a = hall.join("青木");
  int b = hall.join("馬場");

  AutomaticHall() { hall.operatorInput(input(InputKind::Load), wall); }
  void click(int who) {
    hall.bidderInput(who, down("Command12"), wall);
    hall.bidderInput(who, up("Command12"), wall);
  }
  void after(int ms) {
    for (; ms > 0; ms -= 50) hall.operatorInput(input(InputKind::Tick), wall += 50);
  }
  // Runs the practice on, its winners confirming, until `done` (for at most five minutes).
  bool until(const std::function<bool()>& done) {
    for (int i = 0; i < 6000 && !done(); ++i) {
      after(50);
      if (f.Command14.backColor == kRed && !done())
        hall.bidderInput(f.rightHolder, key(InputKind::KeyDown, "Command14", U'\r'), wall);
    }
    return done();
  }
  std::string newest(int who) {
    for (const DisplayedElement& d : hall.bidderAll(who))
      if (d.element().name == "ousatu") {
        const std::string& r = std::get<TextBox>(d.state).text;
        return r.substr(r.rfind('\n') + 1);
      }
    return {};
  }
};

TEST_F(AutomaticHall, ARaiseRestartsTheCountdownForEverybody) {
  ASSERT_TRUE(until([&] { return f.urikirityuu == 1 && f.syuuryou == 0; }));
  click(a);
  after(1500);
  ASSERT_GT(f.ketteikaisuu, 0);
  click(b);  // another buyer's raise, to a
  EXPECT_EQ(f.ketteikaisuu, 0);
  EXPECT_EQ(f.kaisinaosi, 1);
  EXPECT_EQ(f.syuuryou, 0);
  EXPECT_EQ(f.rightHolder, b);
}

// The same rules in the automatic practice: bids passing the right while the price climbs, a
// hold by two, the retakes after the sell-out, the countdown's award to the holder, and the cycle
// going on once the winner confirms.
TEST_F(AutomaticHall, ALotPlayedByTwoTrainees) {
  const double lot = f.syuppinbangou + 1;
  ASSERT_TRUE(until([&] { return f.syuppinbangou == lot && f.Timer1.enabled(); }));
  click(a);
  EXPECT_EQ(newest(a).rfind("YOU  ", 0), 0u) << newest(a);
  EXPECT_EQ(newest(b).rfind("他  ", 0), 0u) << newest(b);
  click(b);
  EXPECT_EQ(hall.rightHolder(), b);
  // Stopped short of the reserve, two hold: the one who lets go last has the right.
  ASSERT_TRUE(until([&] { return !f.Timer1.enabled(); }));
  ASSERT_EQ(f.urikirityuu, 0);
  hall.bidderInput(a, down("Command12"), wall);
  hall.bidderInput(b, down("Command12"), wall);
  after(150);
  hall.bidderInput(b, up("Command12"), wall);
  EXPECT_TRUE(f.Timer1.enabled());
  hall.bidderInput(a, up("Command12"), wall);
  EXPECT_EQ(hall.rightHolder(), a);
  EXPECT_EQ(newest(a).rfind("ベタ YOU  ", 0), 0u) << newest(a);
  ASSERT_TRUE(until([&] { return f.urikirityuu == 1; }));
  if (hall.rightHolder() != a) click(a);
  EXPECT_EQ(newest(a).rfind("1POS YOU  ", 0), 0u) << newest(a);
  click(b);
  EXPECT_EQ(newest(a).rfind("1POS 他  ", 0), 0u) << newest(a);
  click(b);  // the holder confirms the right
  EXPECT_EQ(newest(b).rfind("権利 YOU  ", 0), 0u) << newest(b);
  const double price = f.kakaku;
  ASSERT_TRUE(until([&] { return f.syuuryou == 1; }));  // the countdown ends the lot
  EXPECT_EQ(f.kakaku, price);
  EXPECT_EQ(newest(b).rfind("自分落札  ", 0), 0u) << newest(b);
  EXPECT_EQ(newest(a).rfind("他人落札  ", 0), 0u) << newest(a);
  hall.bidderInput(b, key(InputKind::KeyDown, "Command14", U'\r'), wall);
  EXPECT_TRUE(hall.confirmedByHall().empty());
  EXPECT_TRUE(until([&] { return f.syuppinbangou == lot + 1; }));  // the cycle goes on
  const auto outcome = [&](int who) {
    for (const LotResult& r : hall.resultsOf(who)->lots())
      if (r.lot == lot) return r.outcome;
    return Outcome::Running;
  };
  EXPECT_EQ(outcome(b), Outcome::WonByTrainee);
  EXPECT_EQ(outcome(a), Outcome::WonByOther);
}

TEST_F(Hall, TheRightSignsLightOnlyForItsHolderAndTheWinReadsAsAnothersToTheRest) {
  soldOut();
  click(a);
  const auto mine = view(a), theirs = view(b);
  EXPECT_TRUE(mine.at("kenri2").element().visible);
  EXPECT_FALSE(theirs.at("kenri2").element().visible);
  EXPECT_EQ(std::get<Label>(theirs.at("Label10").state).foreColor, kBlack);
  op("Command9");  // the decision
  const auto won = view(a), lost = view(b);
  EXPECT_EQ(newest(a), "自分落札  20.3");
  EXPECT_EQ(newest(b), "他人落札  20.3");
  EXPECT_TRUE(won.at("jibun").element().visible);
  EXPECT_FALSE(lost.at("jibun").element().visible);
  EXPECT_TRUE(lost.at("tanin").element().visible);
  EXPECT_EQ(std::get<Button>(won.at("Command14").state).backColor, kRed);
  EXPECT_EQ(std::get<Button>(lost.at("Command14").state).backColor, kSilver);
  // The winner hears the reminder; everybody the award's cue.
  after(600);
  const Reply winner = hall.bidderReply(a), loser = hall.bidderReply(b);
  const auto count = [](const Reply& r, EffectKind k) {
    return std::count_if(r.effects.begin(), r.effects.end(),
                         [k](const Effect& e) { return e.kind == k; });
  };
  EXPECT_GE(count(winner, EffectKind::Beep), 1);
  EXPECT_EQ(count(loser, EffectKind::Beep), 0);
  EXPECT_EQ(count(winner, EffectKind::Sound), count(loser, EffectKind::Sound));
  // Only the winner confirms.
  confirm(b);
  EXPECT_EQ(f.Command14.backColor, kRed);
  confirm(a);
  EXPECT_EQ(f.Command14.backColor, kSilver);
  EXPECT_TRUE(hall.confirmedByHall().empty());
}

TEST_F(Hall, ATraineeIsSentOnlyWhatLiesInTheirView) {
  const auto all = hall.bidderAll(a);
  ASSERT_FALSE(all.empty());
  for (const DisplayedElement& d : all) EXPECT_TRUE(inTraineeArea(d.element())) << d.element().name;
  EXPECT_FALSE(view(a).contains("Text6"));
  for (const auto& part : traineePartElements(f))
    for (const std::string& name : part) EXPECT_TRUE(view(a).contains(name)) << name;
  // The operator's typing changes nothing a trainee is sent.
  hall.sharedChanges();
  hall.bidderReply(a);
  hall.operatorInput(typed("Text6", "350"), wall);
  EXPECT_TRUE(hall.sharedChanges().empty());
  EXPECT_TRUE(hall.bidderReply(a).changes.empty());
}

TEST_F(Hall, TheOperatorReadsTheTraineesNames) {
  soldOut();
  click(a);
  click(b);
  op("Command9");
  const Reply r = hall.operatorReply();
  std::string text;
  for (const DisplayedElement& d : r.changes)
    if (d.element().name == "ousatu") text = std::get<TextBox>(d.state).text;
  EXPECT_NE(text.find("1POS 青木  20.3"), std::string::npos) << text;
  EXPECT_NE(text.find("1POS 馬場  20.6"), std::string::npos) << text;
  EXPECT_NE(text.find("馬場落札  20.6"), std::string::npos) << text;
  // The operator's bid button and 確認 are the trainees'.
  hall.operatorInput(key(InputKind::KeyDown, "Command14", U'\r'), wall);
  EXPECT_EQ(f.Command14.backColor, kRed);
}

TEST_F(Hall, TheHallConfirmsForAWinnerWhoDoesNotOrHasGone) {
  for (bool leaves : {false, true}) {
    SCOPED_TRACE(leaves);
    soldOut();
    click(a);
    op("Command9");
    ASSERT_EQ(f.Command14.backColor, kRed);
    if (leaves) {
      hall.leave(a, wall);
    } else {
      after(HallSession::kConfirmWait - 100);
      EXPECT_EQ(f.Command14.backColor, kRed);
      after(200);
    }
    EXPECT_EQ(f.Command14.backColor, kSilver);
    EXPECT_EQ(hall.confirmedByHall().count(f.syuppinbangou), 1u);
    a = hall.join("青木");
  }
}

TEST_F(Hall, WhoLeavesHoldingTheButtonLetsGoAndWhoLeavesWithTheRightKeepsIt) {
  startLot();
  op("Command2");
  press(a);
  after(200);
  hall.leave(a, wall);
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(f.rightHolder, a);
  op("Command8");
  op("Command9");
  EXPECT_TRUE(f.jibun.visible);  // awarded to the one who left
  EXPECT_EQ(newest(b).rfind("他人落札  ", 0), 0u) << newest(b);
}

TEST_F(Hall, ATraineeJoiningMidLotSeesTheRecordSoFarAsTheirs) {
  startLot();
  after(100);
  click(a);
  const int c = hall.join("千葉");
  EXPECT_EQ(newest(c), "他  20.6");
  click(c);
  EXPECT_EQ(f.rightHolder, c);
}

TEST_F(Hall, EachTraineesResultsAreTheirOwn) {
  const int c = hall.join("千葉");
  soldOut();
  const auto watching = hall.resultsOf(c)->revision();
  click(a);
  click(b);
  click(a);
  // Others' bids change nothing in the results of one who watches.
  EXPECT_EQ(hall.resultsOf(c)->revision(), watching);
  op("Command9");                          // a wins at 20.9 after two bids; b bid once
  after(HallSession::kConfirmWait + 100);  // and a never confirms
  const LotResult& won = hall.resultsOf(a)->lots().back();
  const LotResult& lost = hall.resultsOf(b)->lots().back();
  EXPECT_EQ(won.outcome, Outcome::WonByTrainee);
  EXPECT_EQ(won.bids, 2);
  EXPECT_EQ(won.finalPrice, 209);
  EXPECT_TRUE(won.confirmedByHall);
  EXPECT_EQ(lost.outcome, Outcome::WonByOther);
  EXPECT_EQ(lost.bids, 1);
  EXPECT_FALSE(lost.confirmedByHall);
  EXPECT_EQ(hall.resultsOf(99), nullptr);
}

TEST(Standings, RankByLotsWonThenPriceAgainstTheGuideThenReaction) {
  const auto lot = [](int number, Outcome outcome, double price, int bids) {
    LotResult r;
    r.lot = number;
    r.guide = 30;
    r.outcome = outcome;
    r.finalPrice = price;
    r.bids = bids;
    return r;
  };
  const Lots two{lot(1, Outcome::WonByTrainee, 310, 3), lot(2, Outcome::WonByTrainee, 290, 1)};
  const Lots cheap{lot(1, Outcome::WonByTrainee, 280, 2), lot(2, Outcome::WonByOther, 300, 4)};
  const Lots dear{lot(1, Outcome::WonByTrainee, 320, 1), lot(2, Outcome::NoSale, 300, 0)};
  const Lots none{lot(1, Outcome::WonByOther, 300, 5)};
  const std::vector<Standing> s = standings({{1, "none", &none},
                                             {2, "dear", &dear},
                                             {3, "two", &two},
                                             {4, "cheap", &cheap},
                                             {5, "none too", &none}});
  std::vector<std::string> order;
  for (const Standing& x : s) order.push_back(x.name + " " + std::to_string(x.place));
  EXPECT_EQ(order,
            (std::vector<std::string>{"two 1", "cheap 2", "dear 3", "none 4", "none too 4"}));
  EXPECT_EQ(s[0].bids, 4);
  EXPECT_EQ(s[0].summary.won, 2);
}

// With one trainee a trainee's own view is the single-user screen's record, line for line.
TEST(HallRecord, OneTraineesViewIsTheSingleUserRecord) {
  RecordingHost host;
  Form1 f(host, seededRnd(5));
  f.Form_Load();
  RandomTrainee trainee(f, 9);
  const BidderLook look(f, 0);
  for (int step = 0; step < 20'000; ++step) {
    f.scheduler.advance(std::max<std::int64_t>(1, trainee.nextAt() - f.scheduler.now()));
    trainee.act();
    DisplayedElement record = displayed(f.ousatu, f);
    look.apply(record);
    ASSERT_EQ(std::get<TextBox>(record.state).text, f.ousatu.text) << step;
  }
}

}  // namespace
}  // namespace kobaru
