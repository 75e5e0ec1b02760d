// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "hall/bidder_view.h"
#include "hall/hall_csv.h"
#include "hall/standings.h"
#include "results/results.h"
#include "session/practice_session.h"

namespace kobaru {

// One practice screen for a room: the operator works the whole screen as the single-user trainee
// does (apart from the bid button and 確認, which are the trainees'), and any number of trainees
// bid on the one clock, each seeing the screen as the single-user program shows it to its
// trainee, with every other person among the other buyers.
//
// The bid button with several people: a click while the price climbs is that trainee's bid at
// the running price; holding the button with the clock stopped sets it climbing, and it climbs
// while anybody holds; who lets go while others hold drops out, and the last to let go has the
// right at that price. After the sell-out clicks count in the order they come: one by a trainee
// without the right takes the lot one position up, one by the holder confirms the right. A raise
// by anybody restarts the countdown for everybody. A won lot waits for its winner's 確認, but not
// for somebody who has gone: after kConfirmWait (at once once the winner has left) the hall
// confirms it for them.
class HallSession {
 public:
  static constexpr std::int64_t kConfirmWait = 10'000;  // ms

  HallSession(PlatformQuestions& platform, Rnd rnd, std::int64_t wallNow);

  // A new trainee, from 1 on; the name is theirs to give.
  int join(const std::string& name);
  // The trainee goes: a button held is let go; a right held is kept.
  void leave(int bidder, std::int64_t wallNow);
  // A trainee who left comes back into their seat: their name, results and any right they hold.
  void comeBack(int bidder);
  bool present(int bidder) const;
  std::string nameOf(int bidder) const;
  // The trainee who holds the right, for the operator's list; nothing while the floor does.
  std::optional<int> rightHolder() const;

  void bidderInput(int bidder, const Input& in, std::int64_t wallNow);
  void operatorInput(const Input& in, std::int64_t wallNow);

  // What changed for each since they last looked, and the effects theirs: the operator has every
  // effect but for the winner's reminder beeps; trainees hear the cues, and the winner the beeps.
  // A trainee's changes come in two parts: what changed for every trainee alike, the same for
  // all (so it is made once, however many look), and their own.
  Reply operatorReply();
  std::vector<DisplayedElement> sharedChanges();
  Reply bidderReply(int bidder);
  // Every element as the viewer sees it now; their changes start from here.
  std::vector<DisplayedElement> operatorAll() { return session_.all(); }
  std::vector<DisplayedElement> bidderAll(int bidder);

  // A message to the operator is shown and not yet closed: the hall waits.
  bool holding() const { return session_.holding(); }
  // Milliseconds until the hall wants a Tick input (to the operator), or nothing.
  std::optional<std::int64_t> sleep() const;
  Form1& form() { return session_.form(); }
  const Form1& form() const { return session_.form(); }
  // The lots whose 確認 the hall gave, by lot number.
  const std::set<double>& confirmedByHall() const { return confirmedByHall_; }
  // A trainee's own results, from their view of the lots they were present at; nullptr for no
  // such trainee.
  const Results* resultsOf(int bidder) const;
  // Every trainee's, for the operator, the best first.
  std::vector<Standing> standings() const;
  // Every lot of every trainee, in the order they started (and of one lot, in the order of
  // joining).
  std::vector<TraineeLot> lots() const;

 private:
  // The operator reads the record with the trainees' names.
  class OperatorLook : public ElementLook {
   public:
    explicit OperatorLook(const HallSession& hall);
    bool alters(const Element& e) const override { return e.name == "ousatu"; }
    void apply(DisplayedElement& d) const override;
    std::uint64_t inputsOf(const Element& e) const override;

   private:
    const HallSession& hall_;
    RecordReading record_;
  };
  // Tells every present trainee's results what the screen tells.
  class Observers : public LotObserver {
   public:
    explicit Observers(HallSession& hall) : hall_(hall) {}
    void notice(const Form1& form, Moment moment) override;

   private:
    HallSession& hall_;
  };
  struct Bidder {
    std::string name;
    bool present = true;
    std::unique_ptr<Results> results;
    Gestures gestures;
    std::unique_ptr<BidderLook> look;
    std::unique_ptr<Viewer> viewer;
    std::vector<Effect> effects;
  };
  void take(const Reply& r);
  void act(int bidder, void (Form1::*handler)(), std::int64_t wallNow);
  void gesture(int bidder, const Gesture& g, std::int64_t wallNow);
  void letGo(int bidder, std::int64_t wallNow);
  void watchConfirmation(std::int64_t wallNow);
  bool othersPresent(int bidder) const;

  OperatorLook operatorLook_{*this};
  Observers observers_{*this};
  PracticeSession session_;
  BidderLook anyBidder_{session_.form(), 0};  // which elements a trainee sees their own way
  Viewer shared_{session_.form(), &anyBidder_, Viewer::Scope::Unaltered};
  std::map<int, Bidder> bidders_;
  int nextBidder_ = 1;
  std::set<int> holding_;  // who holds the bid button while the clock climbs for them
  Reply operator_;         // what the operator has not yet looked at
  std::optional<std::int64_t> confirmBy_;  // virtual time the hall confirms a won lot at
  std::set<double> confirmedByHall_;
};

}  // namespace kobaru
