// SPDX-License-Identifier: MIT
#include "hall/hall_session.h"

#include <algorithm>
#include <utility>

#include "practice/form1.h"

namespace kobaru {

namespace {

// The trainees' own buttons: the bid button and 確認. The operator does not bid.
bool traineesButton(const std::string& name) {
  return name == "Command12" || name == "Command14";
}

void merge(Reply& into, const Reply& r) {
  for (const DisplayedElement& d : r.changes) {
    auto same = std::find_if(into.changes.begin(), into.changes.end(),
                             [&d](const auto& c) { return c.element().name == d.element().name; });
    if (same != into.changes.end()) {
      *same = d;
    } else {
      into.changes.push_back(d);
    }
  }
  if (r.focus) into.focus = r.focus;
  into.held = r.held;
  into.sleep = r.sleep;
}

}  // namespace

HallSession::OperatorLook::OperatorLook(const HallSession& hall)
    : hall_(hall), record_([&hall](const RecordLine& line) {
        return std::optional<std::string>(operatorLabel(line.kind, hall.nameOf(line.bidder)));
      }) {}

void HallSession::OperatorLook::apply(DisplayedElement& d) const {
  std::get<TextBox>(d.state).text = record_.of(hall_.form());
}

void HallSession::Observers::notice(const Form1& form, Moment moment) {
  for (auto& [id, b] : hall_.bidders_)
    if (b.present) b.results->notice(form, moment);
}

std::uint64_t HallSession::OperatorLook::inputsOf(const Element&) const {
  return recordVersion(hall_.form());
}

HallSession::HallSession(PlatformQuestions& platform, Rnd rnd, std::int64_t wallNow)
    : session_(platform, std::move(rnd), wallNow, &operatorLook_) {
  session_.form().observer = &observers_;
}

const Results* HallSession::resultsOf(int bidder) const {
  const auto b = bidders_.find(bidder);
  return b == bidders_.end() ? nullptr : b->second.results.get();
}

std::vector<Standing> HallSession::standings() const {
  std::vector<TraineeLots> trainees;
  for (const auto& [id, b] : bidders_) trainees.push_back({id, b.name, &b.results->lots()});
  return kobaru::standings(trainees);
}

int HallSession::join(const std::string& name) {
  const int id = nextBidder_++;
  Bidder& b = bidders_[id];
  b.name = name;
  b.results = std::make_unique<Results>(id);
  b.look = std::make_unique<BidderLook>(session_.form(), id);
  b.viewer = std::make_unique<Viewer>(session_.form(), b.look.get(), Viewer::Scope::Altered);
  return id;
}

void HallSession::comeBack(int bidder) {
  const auto b = bidders_.find(bidder);
  if (b != bidders_.end()) b->second.present = true;
}

std::vector<TraineeLot> HallSession::lots() const {
  std::vector<TraineeLot> all;
  for (const auto& [id, b] : bidders_)
    for (const LotResult& lot : b.results->lots()) all.push_back({id, b.name, &lot});
  std::stable_sort(all.begin(), all.end(), [](const TraineeLot& a, const TraineeLot& b) {
    return a.lot->startedAt < b.lot->startedAt;
  });
  return all;
}

bool HallSession::present(int bidder) const {
  const auto b = bidders_.find(bidder);
  return b != bidders_.end() && b->second.present;
}

std::string HallSession::nameOf(int bidder) const {
  const auto b = bidders_.find(bidder);
  return b == bidders_.end() ? std::string() : b->second.name;
}

std::optional<int> HallSession::rightHolder() const {
  const Form1& f = session_.form();
  if (!f.traineeHoldsRight() || bidders_.count(f.rightHolder) == 0) return std::nullopt;
  return f.rightHolder;
}

bool HallSession::othersPresent(int bidder) const {
  return std::any_of(bidders_.begin(), bidders_.end(),
                     [bidder](const auto& b) { return b.first != bidder && b.second.present; });
}

void HallSession::leave(int bidder, std::int64_t wallNow) {
  if (!present(bidder)) return;
  if (holding_.count(bidder) > 0) letGo(bidder, wallNow);
  // A lot under way when they go stays unfinished in their results.
  bidders_[bidder].results->notice(session_.form(), LotObserver::Moment::PracticeEnded);
  bidders_[bidder].present = false;
  watchConfirmation(wallNow);
}

void HallSession::take(const Reply& r) {
  Form1& f = session_.form();
  for (const Effect& e : r.effects) {
    if (e.kind == EffectKind::Beep) {
      // The reminder that a won lot waits for its winner's 確認.
      if (present(f.rightHolder)) bidders_[f.rightHolder].effects.push_back(e);
      continue;
    }
    operator_.effects.push_back(e);
    if (e.kind != EffectKind::Sound) continue;
    for (auto& [id, b] : bidders_)
      if (b.present) b.effects.push_back(e);
  }
  merge(operator_, r);
}

void HallSession::act(int bidder, void (Form1::*handler)(), std::int64_t wallNow) {
  take(session_.run(
      [this, bidder, handler](Form1& f) {
        const double before = f.kakaku;
        f.actor = bidder;
        (f.*handler)();
        f.actor = 0;
        // A trainee's raise is another buyer's raise to everybody else.
        if (f.urikirityuu == 1 && f.kakaku > before && othersPresent(bidder)) f.othersRaised();
      },
      wallNow));
  if (session_.form().osityuu == 0) holding_.clear();
}

void HallSession::gesture(int bidder, const Gesture& g, std::int64_t wallNow) {
  Form1& f = session_.form();
  if (g.name == "Command14") {
    if (g.kind == Gesture::Kind::Click && f.traineeHoldsRight() && f.rightHolder == bidder)
      act(bidder, &Form1::Command14_Click, wallNow);
    return;
  }
  switch (g.kind) {
    case Gesture::Kind::Press:
      if (f.osityuu == 1 && !holding_.empty()) {
        holding_.insert(bidder);  // joins the hold that climbs the clock
        return;
      }
      act(bidder, &Form1::Command12_MouseDown, wallNow);
      if (f.osityuu == 1) holding_ = {bidder};
      return;
    case Gesture::Kind::Release:
      letGo(bidder, wallNow);
      return;
    case Gesture::Kind::Click:
      act(bidder, &Form1::Command12_Click, wallNow);
      return;
    default:
      return;
  }
}

// Who lets go while others hold drops out at the price, and a release by one who was not
// holding leaves their hold alone; the last to let go has the right.
void HallSession::letGo(int bidder, std::int64_t wallNow) {
  holding_.erase(bidder);
  if (!holding_.empty()) return;
  act(bidder, &Form1::Command12_MouseUp, wallNow);
}

void HallSession::bidderInput(int bidder, const Input& in, std::int64_t wallNow) {
  if (!present(bidder) || !traineesButton(in.name) || session_.holding()) return;
  for (const Gesture& g : bidders_[bidder].gestures.feed(in)) gesture(bidder, g, wallNow);
  watchConfirmation(wallNow);
}

void HallSession::operatorInput(const Input& in, std::int64_t wallNow) {
  if (traineesButton(in.name)) return;
  take(session_.input(in, wallNow));
  watchConfirmation(wallNow);
}

void HallSession::watchConfirmation(std::int64_t wallNow) {
  Form1& f = session_.form();
  const bool awaiting = f.syuuryou == 1 && f.traineeHoldsRight() && f.Command14.backColor == kRed &&
                        bidders_.count(f.rightHolder) > 0;
  if (!awaiting) {
    confirmBy_.reset();
    return;
  }
  if (!confirmBy_) confirmBy_ = f.scheduler.now() + kConfirmWait;
  if (present(f.rightHolder) && f.scheduler.now() < *confirmBy_) return;
  confirmBy_.reset();
  confirmedByHall_.insert(f.syuppinbangou);
  const int winner = f.rightHolder;
  bidders_[winner].results->confirmedByHall(static_cast<int>(f.syuppinbangou));
  act(winner, &Form1::Command14_Click, wallNow);
}

std::optional<std::int64_t> HallSession::sleep() const {
  std::optional<std::int64_t> wait = operator_.sleep;
  if (confirmBy_) {
    const std::int64_t until = std::max<std::int64_t>(0, *confirmBy_ - session_.now());
    wait = wait ? std::min(*wait, until) : until;
  }
  return wait;
}

Reply HallSession::operatorReply() {
  Reply r = std::exchange(operator_, {});
  operator_.held = r.held;
  operator_.sleep = r.sleep;
  return r;
}

Reply HallSession::bidderReply(int bidder) {
  Reply r;
  const auto b = bidders_.find(bidder);
  if (b == bidders_.end()) return r;
  r.changes = b->second.viewer->changes();
  r.effects = std::exchange(b->second.effects, {});
  r.held = b->second.gestures.held();
  return r;
}

std::vector<DisplayedElement> HallSession::sharedChanges() {
  return shared_.changes();
}

std::vector<DisplayedElement> HallSession::bidderAll(int bidder) {
  const auto b = bidders_.find(bidder);
  if (b == bidders_.end()) return {};
  b->second.viewer->all();  // their own changes start from here
  return Viewer(session_.form(), b->second.look.get()).all();
}

}  // namespace kobaru
