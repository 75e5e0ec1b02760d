// SPDX-License-Identifier: MIT
// Many lots of the full-automatic practice in virtual time: every lot ends, nothing stalls, and
// the screen's state stays sound after every event.
#include <gtest/gtest.h>

#include <regex>

#include "practice/handlers.h"
#include "results/results.h"
#include "support/automatic_practice.h"

namespace kobaru {
namespace {

constexpr int kLots = 1000;
// Generous: the slowest lots run a re-auction and a cut-off, some tens of seconds in all, and a
// won lot waits up to 3 s for the trainee's confirmation.
constexpr std::int64_t kLongestLotMs = 5 * 60 * 1000;

bool isFlag(int v) {
  return v == 0 || v == 1;
}

// Every line of the record: the header, then a label and its price, with the one empty line
// before a no sale's final-bid line.
void expectWellFormedRecord(const std::string& text) {
  static const std::regex line(
      "(スタート|停止 CO|スロ CO|1POS CO|1POS 他|他|連続 CO|再競 CO|自動再競|YOU|権利 YOU|"
      "1POS YOU|ベタ YOU|うりきり|自分落札|他人落札|自動停止|流札|見切 CO|自動見切|再競停止|"
      "自見切落札|他見切落札|ﾉｰｺｰﾙ|最終応札)  -?[0-9]*\\.[0-9]");
  ASSERT_EQ(text.rfind("応札記録", 0), 0u);
  std::size_t pos = text.find("\r\n");
  bool blank = false;
  while (pos != std::string::npos) {
    pos += 2;
    const std::size_t end = text.find("\r\n", pos);
    const std::string l =
        text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    if (l.empty()) {
      ASSERT_FALSE(blank) << text;
      blank = true;
    } else {
      ASSERT_TRUE(std::regex_match(l, line)) << l;
      if (blank) {
        ASSERT_TRUE(l.rfind("ﾉｰｺｰﾙ", 0) == 0 || l.rfind("最終応札", 0) == 0) << l;
      }
      blank = false;
    }
    pos = end;
  }
}

// The record's text made again from its lines' kinds and prices: the structure is the record.
std::string fromLines(const Form1& f) {
  std::string text = kRecordHeader;
  for (const RecordLine& l : f.recordLines) {
    const Act act = actOf(l.kind);
    text += act == Act::NoCall || act == Act::FinalBid ? "\r\n\r\n" : "\r\n";
    text.append(labelOf(l.kind)).append(priceText(l.price));
  }
  return text;
}

void expectSound(const Form1& f) {
  for (int flag : {f.settei, f.sutatofuka, f.serityuu, f.simekiri, f.syuuryou, f.urikirityuu,
                   f.taninkenri, f.syudouseri, f.osityuu, f.kaisinaosi, f.hojonasi})
    ASSERT_TRUE(isFlag(flag));
  ASSERT_FALSE(f.Command10.backColor == kRed && f.Command14.backColor == kRed);
  if (!f.syuppin.text.empty()) {
    ASSERT_EQ(f.syuppin.text, numberText(f.syuppinbangou));
  }
}

// Somebody pressing every visible button of the screen at random moments, the operator's panel
// included, now and then holding a button that has a press of its own, and typing or clicking
// into the visible entries. The end of practice is left out: it closes the screen.
class RandomPresser : public Actor {
 public:
  RandomPresser(Form1& f, std::uint64_t seed) : f_(f), gen_(seed) { planNext(); }

  std::int64_t nextAt() const override { return releaseAt_ ? *releaseAt_ : nextAction_; }

  // Whether the operator's Start was pressed at this moment.
  bool pressedStart() const { return startPressedAt_ == f_.scheduler.now(); }

  void act() override {
    const std::int64_t now = f_.scheduler.now();
    if (releaseAt_) {
      if (*releaseAt_ > now) return;
      releaseAt_.reset();
      release(*held_);
    }
    if (nextAction_ > now) return;
    planNext();
    std::vector<const ButtonHandlers*> buttons;
    for (const ButtonHandlers& h : buttonHandlers())
      if (f_.element(h.name)->visible && std::string_view(h.name) != "Command25")
        buttons.push_back(&h);
    std::vector<const EntryHandlers*> entries;
    for (const EntryHandlers& h : entryHandlers())
      if (f_.element(h.name)->visible) entries.push_back(&h);
    const int pick = uniform(0, static_cast<int>(buttons.size() + entries.size()) - 1);
    if (pick >= static_cast<int>(buttons.size())) {
      const EntryHandlers& e = *entries[pick - buttons.size()];
      if (e.click && uniform(0, 1) == 0) {
        (f_.*e.click)();
      } else {
        (f_.*e.keyPress)(U'1');
      }
      return;
    }
    const ButtonHandlers& b = *buttons[pick];
    if (b.mouseDown) (f_.*b.mouseDown)();
    if (b.mouseDown && uniform(0, 2) == 0) {  // held for a while
      held_ = &b;
      releaseAt_ = now + uniform(50, 1500);
      return;
    }
    release(b);
  }

 private:
  void release(const ButtonHandlers& b) {
    if (b.mouseUp) (f_.*b.mouseUp)();
    if (b.click) (f_.*b.click)();
    if (b.click == &Form1::Command1_Click) startPressedAt_ = f_.scheduler.now();
  }
  int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  void planNext() { nextAction_ = f_.scheduler.now() + uniform(100, 2500); }

  Form1& f_;
  std::mt19937_64 gen_;
  std::int64_t nextAction_ = 0;
  const ButtonHandlers* held_ = nullptr;
  std::optional<std::int64_t> releaseAt_;
  std::int64_t startPressedAt_ = -1;
};

// The full-automatic cycle starts only freshly prepared lots: every start in that mode that the
// operator's hand did not make is of a lot number above the last one started since the numbering
// began again at a forced stop. (The operator may run a lot again by hand, as in manual practice.)
class StartWatch {
 public:
  void check(const Form1& f, bool byHand) {
    const std::string& text = f.ousatu.text;
    const bool started =
        text.rfind(kStarted, 0) == 0 && text.find("\r\n", kStartedSize) == std::string::npos;
    if (f.modo != 2) {
      lastStarted_ = -1;
    } else if (started && text != startRecord_) {
      if (!byHand) {
        ASSERT_GT(f.syuppinbangou, lastStarted_) << "lot " << f.syuppinbangou << " started again";
      }
      lastStarted_ = f.syuppinbangou;
    }
    startRecord_ = started ? text : "";
  }

 private:
  static constexpr char kStarted[] = "応札記録\r\nスタート  ";
  static constexpr std::size_t kStartedSize = sizeof kStarted - 1;
  double lastStarted_ = -1;
  std::string startRecord_;
};

// The outcome in the results that the record's award or no-sale line stands for.
bool agrees(Outcome outcome, LotEnd end, std::string_view line) {
  switch (end) {
    case LotEnd::TraineeAward:
      return outcome == Outcome::WonByTrainee;
    case LotEnd::OtherAward:
      return outcome == Outcome::WonByOther;
    case LotEnd::CutOffAward:
      return outcome == (line.starts_with(labelOf(RecordKind::CutOffAwardToTrainee))
                             ? Outcome::CutOffToTrainee
                             : Outcome::CutOffToOther);
    case LotEnd::NoSale:
      return outcome == Outcome::NoSale;
    case LotEnd::kCount:
      break;
  }
  return false;
}

// Every lot ended in the record is in the results once, in order, ended the same way; an award's
// price is the award line's.
void expectResultsAgreeWithTheRecord(const Results& results,
                                     const std::vector<std::pair<LotEnd, std::string>>& ends) {
  const Lots& lots = results.lots();
  ASSERT_GE(lots.size(), ends.size());
  ASSERT_LE(lots.size(), ends.size() + 1);  // and the lot under way at the end
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const auto& [end, line] = ends[i];
    const LotResult& lot = lots[i];
    ASSERT_TRUE(agrees(lot.outcome, end, line)) << lot.lot << ": " << line;
    if (i > 0) {
      ASSERT_EQ(lot.lot, lots[i - 1].lot + 1);
    }
    if (end != LotEnd::NoSale) {
      ASSERT_TRUE(lot.finalPrice);
      ASSERT_EQ(line.substr(line.find("  ") + 2), priceText(*lot.finalPrice / 10)) << lot.lot;
    }
  }
}

// A lot of some tens of lines; far more would mean a timer writing without end.
constexpr std::size_t kLongestRecord = 64 * 1024;

enum class Players { Nobody, Trainee, Everyone };

void soak(std::uint64_t seed, Players players) {
  Results results;
  AutomaticPractice practice(seed, players == Players::Trainee, &results);
  std::vector<std::pair<LotEnd, std::string>> ends;
  RandomPresser* presser = nullptr;
  if (players == Players::Everyone) {
    auto everyone = std::make_unique<RandomPresser>(practice.form(), seed ^ 0xD1B54A32D192ED03ull);
    presser = everyone.get();
    practice.join(std::move(everyone));
  }
  const Form1& f = practice.form();
  // The floor ends a lot once; only someone at the operator's panel may end it again by hand.
  practice.onEnd = [&](LotEnd how, std::string_view line, bool again) {
    if (again) {
      EXPECT_EQ(players, Players::Everyone) << f.ousatu.text;
      return;
    }
    ends.emplace_back(how, line);
  };
  std::string lastRecord;
  StartWatch starts;
  while (practice.tally().lots < kLots) {
    ASSERT_TRUE(practice.step([&](const Form1& form) {
      expectSound(form);
      if (form.ousatu.text != lastRecord) {
        lastRecord = form.ousatu.text;
        ASSERT_LT(lastRecord.size(), kLongestRecord);
        expectWellFormedRecord(lastRecord);
        ASSERT_EQ(fromLines(form), lastRecord);
      }
      starts.check(form, presser && presser->pressedStart());
    })) << "nothing left to happen after "
        << practice.tally().lots << " lots";
    ASSERT_LT(practice.lotAge(), kLongestLotMs) << "lot " << f.syuppinbangou << " stalled";
    if (::testing::Test::HasFatalFailure()) return;
  }
  const PracticeTally& t = practice.tally();
  if (players == Players::Everyone) return;  // 全自動 and 強制停止 abandon lots by design
  EXPECT_EQ(t.abandoned, 0);
  EXPECT_GT(t.ends[static_cast<int>(LotEnd::OtherAward)], 0);
  EXPECT_GT(t.ends[static_cast<int>(LotEnd::NoSale)], 0);
  EXPECT_GT(t.reauctions, 0);
  if (players == Players::Trainee) {
    EXPECT_GT(t.ends[static_cast<int>(LotEnd::TraineeAward)], 0);
  }
  expectResultsAgreeWithTheRecord(results, ends);
}

TEST(Soak, ThousandLotsWithNobodyAtTheButton) {
  soak(20261210, Players::Nobody);
}

TEST(Soak, ThousandLotsWithARandomTrainee) {
  soak(7, Players::Trainee);
}

TEST(Soak, ThousandLotsWithEveryButtonPressedAtRandom) {
  soak(11, Players::Everyone);
}

}  // namespace
}  // namespace kobaru
