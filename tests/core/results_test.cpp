// SPDX-License-Identifier: MIT
// The trainee's results in virtual time: each way a lot ends, its prices against the guide and
// the reactions, read from what the screen does; the summary's arithmetic; the copied text.
#include <gtest/gtest.h>

#include <functional>

#include "presentation/results_text.h"
#include "results/results.h"
#include "results/summary.h"
#include "support/screen.h"

namespace kobaru {
namespace {

// A manual screen watched from its first lot on; the guide comes from the sell-out store.
struct WatchedScreen : ManualScreen {
  explicit WatchedScreen(Results& results, const char* guide = "0") {
    f.observer = &results;
    f.Text8.text = guide;
  }
  void after(std::int64_t ms) { f.scheduler.advance(ms); }
  void click() {
    f.Command12_MouseDown();
    f.Command12_MouseUp();
    f.Command12_Click();
  }
  void hold(std::int64_t ms) {
    f.Command12_MouseDown();
    after(ms);
    f.Command12_MouseUp();
  }
};

struct Expected {
  Outcome outcome;
  int bids = 0;
  std::optional<double> firstBidPrice = {};
  std::optional<std::int64_t> firstBidAfterMs = {};
  RightAtSellOut right = RightAtSellOut::NoSellOut;
  int reauctions = 0;
  std::optional<double> finalPrice = {};
  const char* difference = "";  // cells of the table: ten-thousands of yen and percent
  const char* percent = "";
  std::optional<std::int64_t> startReaction = {};
  std::vector<std::int32_t> stopReactions = {};
  std::vector<std::int32_t> retakeReactions = {};
};

struct LotCase {
  const char* name;
  std::function<void(Results&)> play;
  Expected expected;
};

const LotCase kLots[] = {
    {"won by the trainee after the operator's stop and a retake",
     [](Results& r) {
       WatchedScreen s(r, "300");  // guide 30.0
       s.startLot("200");
       s.after(1000);  // 260
       s.f.Command12_MouseDown();
       s.after(100);  // 266
       s.f.Command12_MouseUp();
       s.f.Command12_Click();  // YOU 26.6, pressed 100 ms before
       s.after(500);
       s.f.Command2_Click();  // the trainee holds the right: nothing to react to
       s.after(200);
       s.f.Command3_Click();  // 1POS CO 29.9 takes the right
       s.after(700);
       s.hold(100);           // ベタ YOU 30.5
       s.f.Command8_Click();  // sold out to the trainee
       s.f.Command9_Click();  // 自分落札 30.5
     },
     {.outcome = Outcome::WonByTrainee,
      .bids = 2,
      .firstBidPrice = 266,
      .firstBidAfterMs = 1100,
      .right = RightAtSellOut::Trainee,
      .finalPrice = 305,
      .difference = "+0.5",
      .percent = "+1.7",
      .startReaction = 1000,
      .retakeReactions = {700}}},
    {"won by another buyer after the floor's stop",
     [](Results& r) {
       AutomaticLot s("1000", "1200", 33, 5, &r);  // guide 120.0
       s.ticks(57);
       s.f.Command3_Click();  // 他 117.1
       s.ticks(1);            // 自動停止 117.4
       s.f.scheduler.advance(400);
       s.f.Command12_MouseDown();
       s.f.scheduler.advance(200);
       s.f.Command12_MouseUp();                           // ベタ YOU 118.6
       for (int i = 0; i < 5; ++i) s.f.Command3_Click();  // 1POS CO up to 120.1
       s.f.scheduler.advance(5000);                       // sold out to them, counted down, awarded
     },
     {.outcome = Outcome::WonByOther,
      .bids = 1,
      .firstBidPrice = 1186,
      .firstBidAfterMs = 3500,
      .right = RightAtSellOut::Other,
      .finalPrice = 1201,
      .difference = "+0.1",
      .percent = "+0.1",
      .startReaction = 3300,
      .stopReactions = {400}}},
    {"no sale after a re-auction",
     [](Results& r) {
       AutomaticLot s("1000", "1200", 33, 5, &r);
       s.ticks(57);
       s.f.Command3_Click();  // 他 117.1
       s.ticks(1);            // 自動停止
       s.draws = {0.1};       // the wait ends in a re-auction, stepped back by 50s, no cut-off
       s.f.scheduler.advance(20000);
     },
     {.outcome = Outcome::NoSale,
      .reauctions = 1,
      .finalPrice = 1171,
      .difference = "-2.9",
      .percent = "-2.4"}},
    {"cut-off award to the trainee",
     [](Results& r) {
       WatchedScreen s(r);
       s.startLot("200");
       s.after(500);
       s.f.Command24_Click();  // 見切 CO 23.0
       s.after(300);
       s.hold(100);  // ベタ YOU 23.6
       s.after(80);  // the watch sees the bid above the cut-off
     },
     {.outcome = Outcome::CutOffToTrainee,
      .bids = 1,
      .firstBidPrice = 236,
      .firstBidAfterMs = 900,
      .finalPrice = 236,
      .startReaction = 800}},
    {"cut-off award to another buyer",
     [](Results& r) {
       WatchedScreen s(r);
       s.startLot("200");
       s.after(500);
       s.f.Command24_Click();
       s.f.Command3_Click();  // 1POS CO 23.3
       s.after(80);
     },
     {.outcome = Outcome::CutOffToOther, .finalPrice = 233}},
    {"restarted by the operator twice, then no sale with nobody bidding",
     [](Results& r) {
       WatchedScreen s(r);
       s.startLot("200");
       s.after(500);
       s.f.Command2_Click();
       s.f.Command4_Click();  // back 50
       s.f.Command7_Click();  // 再競 CO
       s.after(500);
       s.f.Command2_Click();
       s.f.Command6_Click();   // back 1
       s.f.Command1_Click();   // the same lot started again
       s.f.Command22_Click();  // 流札, ﾉｰｺｰﾙ
     },
     {.outcome = Outcome::NoSale, .reauctions = 2}},
    {"cut short by a forced stop; a bid by keyboard is its own press",
     [](Results& r) {
       WatchedScreen s(r);
       s.startLot("200");
       s.after(1000);
       s.f.Command12_Click();  // YOU 26.0, Enter on the focused button
       s.after(500);
       s.f.Command2_Click();  // the trainee holds the right
       s.f.Command23_Click();
     },
     {.outcome = Outcome::ForcedStop,
      .bids = 1,
      .firstBidPrice = 260,
      .firstBidAfterMs = 1000,
      .finalPrice = 260,
      .startReaction = 1000}},
    {"left by the next lot's conditions",
     [](Results& r) {
       WatchedScreen s(r, "250");
       s.startLot("200");
       s.after(300);
       s.f.Command2_Click();  // 停止 CO: the trainee holds nothing, but never presses
       s.f.Text7_Click();
       s.f.Command11_Click();
     },
     {.outcome = Outcome::NextLotPrepared}},
    {"left by the end of practice after the operator's stop",
     [](Results& r) {
       WatchedScreen s(r, "250");
       s.startLot("200");
       s.after(300);
       s.f.Command2_Click();  // 停止 CO 21.8
       s.after(650);
       s.hold(50);  // ベタ YOU 22.1, pressed 650 ms after the stop
       s.f.Command25_Click();
     },
     {.outcome = Outcome::PracticeEnded,
      .bids = 1,
      .firstBidPrice = 221,
      .firstBidAfterMs = 1000,
      .finalPrice = 221,
      .difference = "-2.9",
      .percent = "-11.6",
      .startReaction = 950,
      .stopReactions = {650}}},
};

TEST(Results, EachLotLandsWithItsOutcomePricesAndReactions) {
  for (const LotCase& c : kLots) {
    SCOPED_TRACE(c.name);
    Results results;
    c.play(results);
    ASSERT_EQ(results.lots().size(), 1u);
    const LotResult& lot = results.lots().front();
    const Expected& e = c.expected;
    EXPECT_EQ(lot.outcome, e.outcome);
    EXPECT_EQ(lot.bids, e.bids);
    EXPECT_EQ(lot.firstBidPrice, e.firstBidPrice);
    EXPECT_EQ(lot.firstBidAfterMs, e.firstBidAfterMs);
    EXPECT_EQ(lot.rightAtSellOut, e.right);
    EXPECT_EQ(lot.reauctions, e.reauctions);
    EXPECT_EQ(lot.finalPrice, e.finalPrice);
    const std::vector<std::string> cells = lotCells(lot);
    EXPECT_EQ(cells[11], e.difference);
    EXPECT_EQ(cells[12], e.percent);
    EXPECT_EQ(lot.startReactionMs, e.startReaction);
    EXPECT_EQ(lot.stopReactionsMs, e.stopReactions);
    EXPECT_EQ(lot.retakeReactionsMs, e.retakeReactions);
  }
}

// A lot won at a cut-off and confirmed at once stays won: the cut-off's timeout ends with the lot
// and writes no no-sale into its record, and the results hold the lot once.
TEST(Results, ALotWonAtACutOffEndsOnce) {
  Results results;
  AutomaticLot s("1000", "1200", 33, 5, &results);
  Form1& f = s.f;
  s.ticks(10);
  f.mikiri(RecordKind::AutomaticCutOff);  // as the re-auction watch does
  f.mikirikaisuu = 0;
  f.Timer21.setEnabled(true);
  f.Command12_MouseDown();
  s.ticks(2);
  f.Command12_MouseUp();
  s.ticks(2);  // 自見切落札
  f.Command14_Click();
  f.scheduler.advance(3000);
  ASSERT_NE(f.ousatu.text.find("自見切落札"), std::string::npos);
  EXPECT_EQ(f.ousatu.text.find("流札"), std::string::npos);
  ASSERT_EQ(results.lots().size(), 1u);
  EXPECT_EQ(results.lots().front().outcome, Outcome::CutOffToTrainee);
  EXPECT_EQ(results.lots().front().finalPrice, 1036);
}

// The results button sits where the panel has room: it covers no other element.
TEST(Results, TheResultsButtonCoversNothingAndAsksForTheResults) {
  ManualScreen s;
  const Button& button = s.f.seiseki;
  EXPECT_EQ(button.caption, "練習成績");
  for (const Element* e : s.f.elements()) {
    if (e == &button) continue;
    const bool apart = e->left + e->width <= button.left || button.left + button.width <= e->left ||
                       e->top + e->height <= button.top || button.top + button.height <= e->top;
    EXPECT_TRUE(apart) << e->name;
  }
  s.f.seiseki_Click();
  EXPECT_EQ(s.host.resultsShown, 1);
}

TEST(Results, ALotKnowsItsNumberModeAndPrices) {
  Results manualResults, automaticResults;
  WatchedScreen s(manualResults, "300");
  s.startLot("200");
  const LotResult& manual = manualResults.lots().front();
  EXPECT_EQ(manual.lot, 1001);
  EXPECT_FALSE(manual.automatic);
  EXPECT_EQ(manual.startPrice, 200);
  EXPECT_EQ(manual.guide, 30);
  EXPECT_EQ(manual.outcome, Outcome::Running);
  EXPECT_EQ(lotCells(manual)[8], "競り中");
  AutomaticLot a("1000", "1200", 33, 5, &automaticResults);
  const LotResult& automatic = automaticResults.lots().front();
  EXPECT_TRUE(automatic.automatic);
  EXPECT_EQ(automatic.startPrice, 1000);
  EXPECT_EQ(automatic.guide, 120);
  EXPECT_EQ(lotCells(automatic)[1], "全自動");
}

// Watching changes nothing: the same lot with and without results gives the same screen.
TEST(Results, TheBoardRunsTheSameWhetherWatchedOrNot) {
  const auto play = [](LotObserver* observer) {
    AutomaticLot s("1000", "1200", 33, 0, observer);  // the operator raises for the others
    s.f.scheduler.advance(800);
    s.f.Command12_MouseDown();
    s.f.Command12_MouseUp();
    s.f.Command12_Click();
    s.f.scheduler.advance(30000);
    return s.f.ousatu.text + "|" + std::to_string(s.f.kakaku) + "|" + s.f.Command8.caption + "|" +
           std::to_string(s.host.sounds.size());
  };
  Results results;
  EXPECT_EQ(play(&results), play(nullptr));
  EXPECT_EQ(results.lots().size(), 1u);
}

TEST(Results, ANewSessionStartsEmptyAndEveryChangeIsSeen) {
  Results results;
  WatchedScreen s(results);
  const auto before = results.revision();
  s.startLot("200");
  EXPECT_GT(results.revision(), before);
  const auto started = results.revision();
  s.after(500);
  EXPECT_EQ(results.revision(), started);  // the clock alone changes nothing
  s.click();
  EXPECT_GT(results.revision(), started);
  results.clear();
  EXPECT_TRUE(results.lots().empty());
  s.f.Command23_Click();  // the cleared lot is no longer there to end
  EXPECT_TRUE(results.lots().empty());
}

// Told of a record line while the record holds none (a screen just reset, or a caller of its
// own): nothing to read, nothing changes.
TEST(Results, ARecordLineMomentWithoutALineChangesNothing) {
  Results results;
  ManualScreen s;
  ASSERT_TRUE(s.f.recordLines.empty());
  const auto before = results.revision();
  results.notice(s.f, LotObserver::Moment::RecordLine);
  EXPECT_TRUE(results.lots().empty());
  EXPECT_EQ(results.revision(), before);
}

LotResult lot(int number, Outcome outcome, int bids, double guide, std::optional<double> final,
              std::optional<std::int64_t> start = std::nullopt,
              std::vector<std::int32_t> stops = {}) {
  LotResult r;
  r.lot = number;
  r.outcome = outcome;
  r.bids = bids;
  r.guide = guide;
  r.finalPrice = final;
  r.startReactionMs = start;
  r.stopReactionsMs = std::move(stops);
  return r;
}

TEST(Summary, AddsUpTheSession) {
  const Lots lots = {
      lot(1001, Outcome::WonByTrainee, 1, 50, 524, 800, {300}),  // +2.4, +4.8 %
      lot(1002, Outcome::CutOffToTrainee, 2, 35, 336, 1200),     // -1.4, -4.0 %
      lot(1003, Outcome::WonByTrainee, 1, 0, 250, 400),          // no guide
      lot(1004, Outcome::WonByOther, 2, 40, 420, std::nullopt, {500}),
      lot(1005, Outcome::CutOffToOther, 0, 40, 380),
      lot(1006, Outcome::NoSale, 1, 40, 390),
      lot(1007, Outcome::Running, 0, 40, std::nullopt),
  };
  const Summary s = summarize(lots);
  EXPECT_EQ(s.seen, 7);
  EXPECT_EQ(s.bidOn, 5);
  EXPECT_EQ(s.won, 3);
  EXPECT_EQ(s.lostAfterBidding, 1);
  EXPECT_EQ(s.noSale, 1);
  EXPECT_EQ(s.wonWithGuide, 2);
  EXPECT_NEAR(*s.averageDifference, 0.5, 1e-9);
  EXPECT_NEAR(*s.bestDifference, -1.4, 1e-9);
  EXPECT_NEAR(*s.worstDifference, 2.4, 1e-9);
  EXPECT_NEAR(*s.averagePercent, 0.4, 1e-9);
  EXPECT_NEAR(*s.bestPercent, -4.0, 1e-9);
  EXPECT_NEAR(*s.worstPercent, 4.8, 1e-9);
  EXPECT_EQ(s.start.count, 3);
  EXPECT_EQ(s.start.medianMs, 800);
  EXPECT_EQ(s.start.bestMs, 400);
  EXPECT_EQ(s.stop.medianMs, 400);  // of two: halfway
  EXPECT_EQ(s.stop.bestMs, 300);
  EXPECT_EQ(s.retake.count, 0);
  EXPECT_FALSE(s.retake.medianMs);

  const std::vector<SummaryLine> lines = summaryLines(s);
  const auto value = [&](std::string_view label) {
    for (const SummaryLine& l : lines)
      if (l.label == label) return l.value;
    return std::string("missing");
  };
  EXPECT_EQ(value("競りを見た台数"), "7");
  EXPECT_EQ(value("応札して落札できなかった台数"), "1");
  EXPECT_EQ(value("目安との差の平均（万円）"), "+0.5");
  EXPECT_EQ(value("目安との差の最良（%）"), "-4.0");
  EXPECT_EQ(value("停止からの反応の中央値（秒）"), "0.40");
  EXPECT_EQ(value("権利を取り返すまでの最速（秒）"), "—");
}

TEST(Summary, AnEmptySessionHasCountsOfNothingAndNoAverages) {
  const Summary s = summarize({});
  EXPECT_EQ(s.seen, 0);
  EXPECT_FALSE(s.averageDifference);
  for (const SummaryLine& l : summaryLines(s))
    EXPECT_TRUE(l.value == "0" || l.value == "—") << l.label;
}

TEST(ResultsText, TheCopiedTextIsTheSummaryThenTheLotsNewestFirstInTabbedColumns) {
  Lots lots = {lot(1001, Outcome::WonByTrainee, 1, 50, 524, 800),
               lot(1002, Outcome::NoSale, 0, 40, std::nullopt)};
  lots[0].retakeReactionsMs = {250, 1500};
  const std::string text = resultsTsv(lots);
  std::vector<std::string> lines;
  for (std::size_t pos = 0, end; (end = text.find('\n', pos)) != std::string::npos; pos = end + 1)
    lines.push_back(text.substr(pos, end - pos));
  const std::size_t summary = summaryLines(summarize(lots)).size();
  ASSERT_EQ(lines.size(), summary + 1 + 3);
  EXPECT_EQ(lines[0], "競りを見た台数\t2");
  EXPECT_EQ(lines[summary], "");
  const auto columns = [](const std::string& l) {
    return std::count(l.begin(), l.end(), '\t') + 1;
  };
  const auto headings = static_cast<long>(lotHeadings().size());
  for (std::size_t i = summary + 1; i < lines.size(); ++i) EXPECT_EQ(columns(lines[i]), headings);
  EXPECT_EQ(lines[summary + 1].substr(0, lines[summary + 1].find('\t')), "出品番号");
  EXPECT_EQ(lines[summary + 2], "1002\t手動\t.0\t40.0\t0\t\t\t\t流札\t0\t\t\t\t\t\t");
  EXPECT_EQ(lines[summary + 3],
            "1001\t手動\t.0\t50.0\t1\t\t\t\t自分落札\t0\t52.4\t+2.4\t+4.8\t0.80\t\t0.25 / 1.50");
}

// The window sets the summary out in three columns, the lines of each group in their order.
TEST(ResultsText, TheSummaryStandsInAColumnAGroup) {
  const Summary s = summarize({lot(1001, Outcome::WonByTrainee, 1, 50, 524, 800)});
  const std::vector<SummaryColumn> columns = summaryColumns(s);
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].group, SummaryLine::Counts);
  EXPECT_EQ(columns[1].group, SummaryLine::Prices);
  EXPECT_EQ(columns[2].group, SummaryLine::Reactions);
  EXPECT_EQ(columns[0].lines.front().label, "競りを見た台数");
  EXPECT_EQ(columns[1].lines.front().label, "目安との差の平均（万円）");
  EXPECT_EQ(columns[2].lines.back().label, "権利を取り返すまでの最速（秒）");
  std::vector<std::string> shown, listed;
  for (const SummaryColumn& c : columns)
    for (const SummaryLine& l : c.lines) {
      EXPECT_EQ(l.group, c.group) << l.label;
      shown.push_back(l.label + "=" + l.value);
    }
  for (const SummaryLine& l : summaryLines(s)) listed.push_back(l.label + "=" + l.value);
  EXPECT_EQ(shown, listed);
}

}  // namespace
}  // namespace kobaru
