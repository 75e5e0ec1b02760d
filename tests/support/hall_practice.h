// SPDX-License-Identifier: MIT
#pragma once

// A hall playing the full-automatic practice in virtual time with trainees who come and go and
// bid at random, each with a page that keeps what the hall sends them. Shared by the hall's soak
// test and its benchmark.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "hall/hall_session.h"
#include "practice/form1.h"
#include "practice/numbers.h"
#include "support/inputs.h"
#include "support/recording_host.h"

namespace kobaru {

class HallPractice {
 public:
  // What a trainee's page shows, kept from the hall's replies.
  struct Page {
    std::map<std::string, DisplayedElement> shown;
    std::int64_t nextAt = 0;
    std::optional<std::int64_t> releaseAt, confirmAt;
    // As a trainee does, each bids up to a limit of their own for the lot on the board.
    std::string lot;
    double limit = 0;  // ten-thousands of yen
  };

  HallPractice(std::uint64_t seed, int fewest, int most)
      : gen_(seed),
        fewest_(fewest),
        most_(most),
        hall_(
            platform_, [this] { return std::uniform_real_distribution<double>(0, 1)(gen_); }, 0) {
    while (static_cast<int>(pages_.size()) < fewest_) join();
    hall_.operatorInput(input(InputKind::Load), wall_);
  }

  HallSession& hall() { return hall_; }
  const std::map<int, Page>& pages() const { return pages_; }
  // Every trainee who ever joined, present or gone.
  const std::vector<int>& everybody() const { return everybody_; }
  // Lots that have given way to the next one.
  long lotsPlayed() const { return lotsPlayed_; }

  // Runs the next moment at which anything happens, then `check`; each page has its replies.
  template <typename Check>
  void step(Check check) {
    Form1& f = hall_.form();
    std::int64_t next = wall_ + hall_.sleep().value_or(1000);
    for (const auto& [id, p] : pages_) next = std::min(next, p.nextAt);
    wall_ = std::max(next, wall_ + 1);
    const double lot = f.syuppinbangou;
    hall_.operatorInput(input(InputKind::Tick), wall_);
    for (auto it = pages_.begin(); it != pages_.end();) {
      const int id = it->first;
      ++it;  // the trainee may leave
      act(id);
    }
    if (f.syuppinbangou != lot) ++lotsPlayed_;
    const std::vector<DisplayedElement> shared = hall_.sharedChanges();
    for (auto& [id, p] : pages_) {
      for (const DisplayedElement& d : shared) p.shown.insert_or_assign(d.element().name, d);
      look(id, p);
    }
    check(*this);
  }

 private:
  int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }

  void join() {
    const int id = hall_.join("trainee " + std::to_string(everybody_.size() + 1));
    everybody_.push_back(id);
    Page& p = pages_[id];
    for (const DisplayedElement& d : hall_.bidderAll(id))
      p.shown.insert_or_assign(d.element().name, d);
    p.nextAt = wall_ + uniform(100, 2500);
  }

  void look(int id, Page& p) {
    for (const DisplayedElement& d : hall_.bidderReply(id).changes)
      p.shown.insert_or_assign(d.element().name, d);
  }

  void act(int id) {
    Page& p = pages_[id];
    if (p.releaseAt && *p.releaseAt <= wall_) {
      p.releaseAt.reset();
      hall_.bidderInput(id, up("Command12"), wall_);
    }
    const bool myWin = std::get<Button>(p.shown.at("Command14").state).backColor == kRed;
    if (myWin && !p.confirmAt) p.confirmAt = wall_ + uniform(300, 14'000);  // some wait too long
    if (p.confirmAt && *p.confirmAt <= wall_) {
      p.confirmAt.reset();
      hall_.bidderInput(id, key(InputKind::KeyDown, "Command14", U'\r'), wall_);
    }
    if (p.nextAt > wall_) return;
    p.nextAt = wall_ + uniform(100, 2500);
    const auto shown = [&p](const char* name) {
      return std::get<TextBox>(p.shown.at(name).state).text;
    };
    if (shown("syuppin") != p.lot) {
      p.lot = shown("syuppin");
      p.limit = numericValue(shown("meyasugaku")) * uniform(85, 115) / 100;
    }
    // The price as the board shows it, in 万 (Text4 is the thousands).
    const std::string digits = shown("Text1") + shown("Text2") + shown("Text3");
    const double price =
        (digits.empty() ? 0 : numericValue(digits)) + numericValue(shown("Text4")) / 10;
    const bool within = price + 0.3 <= p.limit;
    switch (uniform(0, 19)) {
      case 0:  // goes
        if (static_cast<int>(pages_.size()) > fewest_) {
          hall_.leave(id, wall_);
          pages_.erase(id);
        }
        return;
      case 1:  // somebody comes
        if (static_cast<int>(pages_.size()) < most_) join();
        return;
      case 2:
      case 3:
      case 4:  // a held bid
        if (!p.releaseAt && within) {
          hall_.bidderInput(id, down("Command12"), wall_);
          p.releaseAt = wall_ + uniform(50, 1200);
        }
        return;
      default:  // a click
        if (p.releaseAt || !within) return;
        hall_.bidderInput(id, down("Command12"), wall_);
        hall_.bidderInput(id, up("Command12"), wall_);
        return;
    }
  }

  std::mt19937_64 gen_;
  int fewest_, most_;
  RecordingHost platform_;
  HallSession hall_;
  std::int64_t wall_ = 0;
  std::map<int, Page> pages_;
  std::vector<int> everybody_;
  long lotsPlayed_ = 0;
};

}  // namespace kobaru
