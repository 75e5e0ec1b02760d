// SPDX-License-Identifier: MIT
#pragma once

// Plays the full-automatic practice in virtual time, lot after lot, with or without a random
// trainee, and tells how each lot ended. Shared by the soak test and the lots benchmark.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "practice/form1.h"
#include "practice/numbers.h"
#include "support/recording_host.h"

namespace kobaru {

enum class LotEnd { TraineeAward, OtherAward, CutOffAward, NoSale, kCount };

struct PracticeTally {
  std::array<long, static_cast<int>(LotEnd::kCount)> ends{};
  long lots = 0;
  long reauctions = 0;
  long abandoned = 0;  // lots replaced by the next one before they ended
  std::int64_t longestLotMs = 0;
};

// Somebody at the screen, who acts at moments of their own.
class Actor {
 public:
  virtual ~Actor() = default;
  // The virtual time of the next action.
  virtual std::int64_t nextAt() const = 0;
  // Does whatever is due by now.
  virtual void act() = 0;
};

// A trainee who bids, holds, presses the twin buttons and fiddles with the speed entry at random
// moments, and confirms a won lot after a while.
class RandomTrainee : public Actor {
 public:
  RandomTrainee(Form1& f, std::uint64_t seed) : f_(f), gen_(seed) { planNext(); }

  std::int64_t nextAt() const override {
    std::int64_t at = nextAction_;
    if (releaseAt_) at = std::min(at, *releaseAt_);
    if (confirmAt_) at = std::min(at, *confirmAt_);
    return at;
  }

  void act() override {
    const std::int64_t now = f_.scheduler.now();
    if (releaseAt_ && *releaseAt_ <= now) {
      releaseAt_.reset();
      f_.Command12_MouseUp();
      f_.Command12_Click();
    }
    if (f_.Command14.backColor == kRed && !confirmAt_) confirmAt_ = now + uniform(300, 3000);
    if (confirmAt_ && *confirmAt_ <= now) {
      confirmAt_.reset();
      f_.Command14_Click();
    }
    if (nextAction_ > now) return;
    switch (uniform(0, 9)) {
      case 0:
      case 1:
      case 2:
      case 3:  // a click
        f_.Command12_MouseDown();
        f_.Command12_MouseUp();
        f_.Command12_Click();
        break;
      case 4:
      case 5:  // a held bid
        if (!releaseAt_) {
          f_.Command12_MouseDown();
          releaseAt_ = now + uniform(50, 1200);
        }
        break;
      case 6:
        f_.Command14_Click();
        break;
      case 7:
        f_.Command10_Click();
        break;
      case 8:  // a new speed typed from scratch, or left empty
        f_.Text7_Click();
        if (uniform(0, 1) == 0) {
          for (char32_t c : {U'0', U'.', U'0', U'5'}) f_.Text7_KeyPress(c);
          f_.Text7.text = "0.05";
        }
        break;
      default:  // a key typed into the start price entry, which the cycle has locked
        f_.Text6_KeyPress(U'1');
        break;
    }
    planNext();
  }

 private:
  int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  void planNext() { nextAction_ = f_.scheduler.now() + uniform(100, 2500); }

  Form1& f_;
  std::mt19937_64 gen_;
  std::int64_t nextAction_ = 0;
  std::optional<std::int64_t> releaseAt_;
  std::optional<std::int64_t> confirmAt_;
};

// The opened practice screen, playing by itself; an optional trainee joins in, and an optional
// observer watches every lot from the opening on.
class AutomaticPractice {
 public:
  explicit AutomaticPractice(std::uint64_t seed, bool withTrainee, LotObserver* observer = nullptr)
      : gen_(seed),
        f_(host_, [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(gen_); }) {
    f_.observer = observer;
    f_.Form_Load();
    if (withTrainee) join(std::make_unique<RandomTrainee>(f_, seed ^ 0x9E3779B97F4A7C15ull));
    lotNumber_ = f_.syuppinbangou;
    lotSince_ = f_.scheduler.now();
  }

  void join(std::unique_ptr<Actor> actor) { actors_.push_back(std::move(actor)); }

  Form1& form() { return f_; }
  const PracticeTally& tally() const { return tally_; }

  // Runs the next moment at which anything happens; false when nothing is left to happen.
  // `check` runs after the ticks due then, and again after each actor's turn.
  template <typename Check>
  bool step(Check&& check) {
    const auto due = f_.scheduler.nextDue();
    std::int64_t next = due.value_or(std::numeric_limits<std::int64_t>::max());
    for (const auto& actor : actors_) next = std::min(next, actor->nextAt());
    if (next == std::numeric_limits<std::int64_t>::max()) return false;
    f_.scheduler.advance(next - f_.scheduler.now());
    noteLotChanges();
    check(f_);
    for (const auto& actor : actors_) {
      actor->act();
      noteLotChanges();
      check(f_);
    }
    return true;
  }

  // How long the lot on the board has been going, in virtual milliseconds.
  std::int64_t lotAge() const { return f_.scheduler.now() - lotSince_; }

  // Told of each lot's end as the record writes it: how, the line of the award or no sale, and
  // whether that lot had ended already.
  std::function<void(LotEnd, std::string_view line, bool again)> onEnd;

 private:
  void noteLotChanges() {
    const std::string& text = f_.ousatu.text;
    if (text.size() != record_.size() || text != record_) {
      // A record that is not the old one grown is a new lot's: read it from its first line.
      if (text.compare(0, record_.size(), record_) != 0) linesSeen_ = 1;
      std::size_t line = 0, pos = 0;
      while (pos <= text.size()) {
        const std::size_t end = std::min(text.find("\r\n", pos), text.size());
        if (line >= linesSeen_) classify(std::string_view(text).substr(pos, end - pos));
        ++line;
        pos = end + 2;
      }
      linesSeen_ = line;
      record_ = text;
    }
    if (f_.syuppinbangou != lotNumber_) {
      if (!lotEnded_) ++tally_.abandoned;
      lotEnded_ = false;
      tally_.longestLotMs = std::max(tally_.longestLotMs, lotAge());
      lotNumber_ = f_.syuppinbangou;
      lotSince_ = f_.scheduler.now();
    }
  }

  void classify(std::string_view line) {
    const auto is = [&](RecordKind kind) { return line.starts_with(labelOf(kind)); };
    if (is(RecordKind::AwardToTrainee)) {
      end(LotEnd::TraineeAward, line);
    } else if (is(RecordKind::AwardToFloor)) {
      end(LotEnd::OtherAward, line);
    } else if (is(RecordKind::CutOffAwardToTrainee) || is(RecordKind::CutOffAwardToFloor)) {
      end(LotEnd::CutOffAward, line);
    } else if (is(RecordKind::NoSale)) {
      end(LotEnd::NoSale, line);
    } else if (is(RecordKind::AutomaticRestart) || is(RecordKind::OperatorRestart)) {
      ++tally_.reauctions;
    }
  }

  void end(LotEnd how, std::string_view line) {
    ++tally_.ends[static_cast<int>(how)];
    ++tally_.lots;
    if (onEnd) onEnd(how, line, lotEnded_);
    lotEnded_ = true;
  }

  RecordingHost host_;
  std::mt19937_64 gen_;
  Form1 f_;
  std::vector<std::unique_ptr<Actor>> actors_;
  PracticeTally tally_;
  double lotNumber_ = 0;
  std::int64_t lotSince_ = 0;
  bool lotEnded_ = false;
  std::string record_;
  std::size_t linesSeen_ = 1;
};

}  // namespace kobaru
