// SPDX-License-Identifier: MIT
#include "server/hall.h"

#include <algorithm>
#include <array>
#include <boost/asio/post.hpp>

#include "practice/random.h"
#include "presentation/results_text.h"
#include "server/qr_code.h"
#include "server/tokens.h"
#include "wire/element_json.h"
#include "wire/layout_json.h"
#include "wire/results_json.h"
#include "wire/session_json.h"

namespace kobaru {

namespace {

using nlohmann::json;

// The 練習終了 button: the trainer's page asks, then ends the hall with `end`.
constexpr char kEndButton[] = "Command25";
constexpr char kForcedStop[] = "Command23";
constexpr int kFullAutomatic = 2;  // Form1::modo of the program's own lots (デモモード)
constexpr const char* kTraineesButtons[] = {"Command12", "Command14"};
// How a hall ended, as `ended` tells it.
constexpr const char* kEndings[] = {"trainer", "idle", "stopped"};

// What starts a lot, which a hall that cannot keep its results refuses.
constexpr const char* kLotStarters[] = {"Command1", "Command7", "Command10", "Command11",
                                        "Command26"};

bool startsALot(const Input& in) {
  return std::find(std::begin(kLotStarters), std::end(kLotStarters), in.name) !=
         std::end(kLotStarters);
}

bool trainerMay(const Input& in) {
  switch (in.kind) {
    case InputKind::ButtonDown:
    case InputKind::ButtonUp:
    case InputKind::KeyDown:
    case InputKind::KeyUp:
    case InputKind::EntryKey:
    case InputKind::EntryText:
    case InputKind::EntryClick:
    case InputKind::Focus:
    case InputKind::MessageClosed:
      return in.name != kEndButton;
    default:
      return false;  // the hall's clock is the server's: no page ticks, loads or pauses it
  }
}

bool traineeMay(const Input& in) {
  return in.kind == InputKind::ButtonDown || in.kind == InputKind::ButtonUp ||
         in.kind == InputKind::KeyDown || in.kind == InputKind::KeyUp;
}

Input plain(InputKind kind) {
  Input in;
  in.kind = kind;
  return in;
}

std::string viewText(const std::string& changes, const std::vector<Effect>& effects,
                     const std::optional<std::string>& focus, const std::string& held) {
  // The changes come written already: the trainees' shared part is written once for all.
  json tail = {{"effects", effectsJson(effects)},
               {"focus", focus ? json(*focus) : json(nullptr)},
               {"held", held}};
  std::string text = wireText(tail);
  return R"({"type":"view","changes":[)" + changes + "]," + text.substr(1);
}

// The elements' JSON without the brackets, to be joined with others.
std::string elementList(const std::vector<DisplayedElement>& elements) {
  const std::string all = wireText(elementsJson(elements));
  return all.substr(1, all.size() - 2);
}

std::string joined(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return a + "," + b;
}

}  // namespace

Hall::Hall(boost::asio::io_context& io, HallSettings settings, std::function<void(Ending)> ended)
    : io_(io),
      settings_(std::move(settings)),
      ended_(std::move(ended)),
      platform_(settings_.site),
      // The hall's clock starts at 0 with it.
      session_(platform_, settings_.seed ? seededRnd(*settings_.seed) : systemRnd(), 0),
      journal_(settings_.journal, settings_.seed, settings_.site) {
  // The screen opens as the program's does, running its own lots; a hall waits for its trainer
  // in manual mode instead, as after a forced stop (強制停止).
  Input stop = plain(InputKind::KeyDown);
  stop.name = kForcedStop;
  stop.key = U'\r';
  for (const Input& in : {plain(InputKind::Load), stop}) {
    journal_.operatorInput(0, in);
    session_.operatorInput(in, 0);
  }
  if (settings_.store && !settings_.store->openHall(settings_.id, settings_.line)) halted_ = true;
  session_.operatorReply();
  session_.sharedChanges();
  arm();
  watchIdle();
}

Hall::~Hall() {
  over_ = true;
  wake_.cancel();
  idle_.cancel();
  lists_.cancel();
}

std::int64_t Hall::now() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

void Hall::connected(Peer& peer) {
  pages_[&peer];
  idle_.cancel();
}

void Hall::message(Peer& peer, std::string_view text) {
  if (over_) return;
  auto p = pages_.find(&peer);
  if (p == pages_.end()) return;
  Page& page = p->second;
  const auto parsed = parseClientMessage(text);
  if (const auto* e = std::get_if<ProtocolError>(&parsed)) {
    refuse(peer, page, *e);
    return;
  }
  const ClientMessage& m = std::get<ClientMessage>(parsed);
  using Type = ClientMessage::Type;
  if (m.type == Type::Ping) {
    send(peer, wireText({{"type", "pong"}, {"t", m.t}}));
    return;
  }
  const bool welcomed = page.role != Page::Role::Unknown;
  if (m.type == Type::Trainer || m.type == Type::Join) {
    if (welcomed) {
      refuse(peer, page, ProtocolError::NotAllowed);
    } else if (m.type == Type::Trainer) {
      welcomeTrainer(peer, page, m);
    } else {
      welcomeTrainee(peer, page, m);
    }
    return;
  }
  if (!welcomed) {
    refuse(peer, page, ProtocolError::NotYet);
    return;
  }
  const bool trainer = page.role == Page::Role::Trainer;
  switch (m.type) {
    case Type::Input:
      if (!withinRate(page)) {
        peer.close("more than 30 inputs a second");
        disconnected(peer);  // at once: nothing more of it counts
        return;
      }
      input(page, m.input);
      return;
    case Type::Csv:
      if (!trainer) break;
      sendCsv(peer, m.hall);
      return;
    case Type::End:
      if (!trainer) break;
      end(Ending::Trainer);
      return;
    default:
      return;
  }
  refuse(peer, page, ProtocolError::NotAllowed);
}

bool Hall::refuse(Peer& peer, Page& page, ProtocolError e) {
  send(peer, errorReply(e));
  if (++page.bad < kMostBadMessages) return true;
  peer.close("too many messages the hall cannot take");
  return false;
}

bool Hall::withinRate(Page& page) {
  const std::int64_t t = now();
  page.inputsLeft =
      std::min(kInputBurst,
               page.inputsLeft + static_cast<double>(t - page.refilledAt) * kInputsASecond / 1000);
  page.refilledAt = t;
  if (page.inputsLeft < 1) return false;
  page.inputsLeft -= 1;
  return true;
}

void Hall::welcomeTrainer(Peer& peer, Page& page, const ClientMessage& m) {
  if (m.key != settings_.key) {
    send(peer, errorReply(ProtocolError::BadKey));
    peer.close("not this hall's key");
    return;
  }
  page.role = Page::Role::Trainer;
  json qr = json::array();
  for (std::string& row : qrRows(settings_.joinAddress)) qr.push_back(std::move(row));
  send(peer, wireText({{"type", "welcome"},
                       {"role", "trainer"},
                       {"layout", practiceLayoutJson(session_.form())},
                       {"elements", elementsJson(session_.operatorAll())},
                       {"held", ""},
                       {"focus", nullptr},
                       {"join", settings_.joinAddress},
                       {"qr", std::move(qr)},
                       {"disabled", kTraineesButtons}}));
  send(peer, traineesMessage());
  send(peer, trainerResults());
  if (settings_.store) send(peer, storedHalls());
  if (halted_)
    send(peer,
         wireText({{"type", "storage"}, {"ok", false}, {"message", settings_.store->error()}}));
}

void Hall::sendCsv(Peer& peer, const std::string& hall) {
  std::vector<NamedCells> lots;
  if (hall.empty() || hall == settings_.id) {
    for (const TraineeLot& l : session_.lots()) lots.push_back(namedCells(l));
  } else {
    const auto kept = settings_.store ? settings_.store->halls(settings_.line)
                                      : std::vector<ResultsStore::StoredHall>{};
    if (std::none_of(kept.begin(), kept.end(), [&hall](const auto& h) { return h.id == hall; })) {
      send(peer, errorReply(ProtocolError::NoHall));
      return;
    }
    for (auto& l : settings_.store->lotsOf(hall)) lots.push_back({l.name, std::move(l.cells)});
  }
  send(peer, wireText({{"type", "csv"},
                       {"hall", hall.empty() ? settings_.id : hall},
                       {"text", hallCsv(lots)}}));
}

std::string Hall::storedHalls() const {
  json list = json::array();
  for (const auto& h : settings_.store->halls(settings_.line))
    list.push_back({{"hall", h.id},
                    {"opened", h.opened},
                    {"lots", h.lots},
                    {"current", h.id == settings_.id}});
  return wireText({{"type", "halls"}, {"halls", std::move(list)}});
}

void Hall::keepEndedLots() {
  if (!settings_.store || halted_) return;
  for (const auto& [bidder, seat] : seats_) {
    const Lots& lots = session_.resultsOf(bidder)->lots();
    std::size_t& kept = kept_[bidder];
    for (; kept < lots.size() && lots[kept].outcome != Outcome::Running; ++kept) {
      if (!settings_.store->lot(settings_.id, bidder, session_.nameOf(bidder),
                                lotCells(lots[kept])))
        return storageFailed();
    }
  }
}

void Hall::storageFailed() {
  halted_ = true;
  sendAll(Page::Role::Trainer,
          std::make_shared<const std::string>(wireText(
              {{"type", "storage"}, {"ok", false}, {"message", settings_.store->error()}})));
  // No lot starts whose results could not be kept: the program's own lots stop (the forced stop
  // puts the screen in manual mode), and the trainer's buttons that start one do nothing.
  if (session_.form().modo != kFullAutomatic) return;
  Input stop = plain(InputKind::KeyDown);
  stop.name = kForcedStop;
  stop.key = U'\r';
  const std::int64_t t = now();
  journal_.operatorInput(t, stop);
  session_.operatorInput(stop, t);
}

void Hall::welcomeTrainee(Peer& peer, Page& page, const ClientMessage& m) {
  int bidder = 0;
  if (!m.seat.empty()) {
    const auto seat = std::find_if(seats_.begin(), seats_.end(),
                                   [&m](const auto& s) { return s.second.token == m.seat; });
    const bool kept =
        seat != seats_.end() && (!seat->second.leftAt || now() - *seat->second.leftAt <= kSeatKept);
    if (!kept) {
      if (seat != seats_.end()) seat->second.token.clear();  // given up for good
      refuse(peer, page, ProtocolError::NoSeat);
      return;
    }
    bidder = seat->first;
    if (Peer* before = std::exchange(seat->second.peer, nullptr)) {
      // Another page of the same seat gives way to this one.
      pages_.erase(before);
      before->close();
    }
    journal_.back(now(), bidder);
    session_.comeBack(bidder);
  } else {
    if (!acceptableName(m.name)) {
      refuse(peer, page, ProtocolError::BadName);
      return;
    }
    if (static_cast<int>(seats_.size()) >= kMostTrainees) {
      refuse(peer, page, ProtocolError::HallFull);
      return;
    }
    journal_.join(now(), m.name);
    bidder = session_.join(m.name);
    seats_[bidder].token = randomToken();
  }
  Seat& seat = seats_[bidder];
  seat.peer = &peer;
  seat.leftAt.reset();
  page.role = Page::Role::Trainee;
  page.bidder = bidder;
  send(peer, wireText({{"type", "welcome"},
                       {"role", "trainee"},
                       {"layout", practiceLayoutJson(session_.form())},
                       {"elements", elementsJson(session_.bidderAll(bidder))},
                       {"held", ""},
                       {"focus", nullptr},
                       {"seat", seat.token},
                       {"bidder", bidder},
                       {"name", session_.nameOf(bidder)}}));
  page.resultsShown = session_.resultsOf(bidder)->revision();
  send(peer, traineeResults(bidder));
  publishLists();
}

void Hall::input(Page& page, const nlohmann::json& raw) {
  const Input in = inputFrom(raw);
  const std::int64_t t = now();
  if (page.role == Page::Role::Trainer) {
    if (!trainerMay(in) || (halted_ && startsALot(in))) return;
    journal_.operatorInput(t, in);
    session_.operatorInput(in, t);
  } else {
    if (!traineeMay(in)) return;
    journal_.bidder(t, page.bidder, in);
    session_.bidderInput(page.bidder, in, t);
  }
  publish();
}

void Hall::disconnected(Peer& peer) {
  const auto p = pages_.find(&peer);
  if (p == pages_.end()) return;
  const Page page = p->second;
  pages_.erase(p);
  if (!over_ && page.role == Page::Role::Trainee) seatLeft(page.bidder);
  if (!over_ && page.role == Page::Role::Trainer && session_.holding()) {
    // A message the trainer will never close would hold the hall: it closes with them, unless
    // another of the trainer's pages still shows it.
    const bool another = std::any_of(pages_.begin(), pages_.end(), [](const auto& q) {
      return q.second.role == Page::Role::Trainer;
    });
    if (!another) {
      const Input closed = plain(InputKind::MessageClosed);
      const std::int64_t t = now();
      journal_.operatorInput(t, closed);
      session_.operatorInput(closed, t);
      publish();
    }
  }
  watchIdle();
}

void Hall::seatLeft(int bidder) {
  Seat& seat = seats_[bidder];
  seat.peer = nullptr;
  const std::int64_t t = now();
  seat.leftAt = t;
  journal_.leave(t, bidder);
  session_.leave(bidder, t);
  publish();
}

void Hall::publish() {
  keepEndedLots();
  Reply op = session_.operatorReply();
  if (!op.changes.empty() || !op.effects.empty() || op.focus) {
    const auto text = std::make_shared<const std::string>(
        viewText(elementList(op.changes), op.effects, op.focus, op.held));
    sendAll(Page::Role::Trainer, text);
  }
  const std::string shared = elementList(session_.sharedChanges());
  // Trainees who are shown the same are sent one text: most of a room reads the same record,
  // and writing it out is the most of the work. So many kinds are looked through, no more.
  constexpr std::size_t kKindsCompared = 16;
  struct Written {
    std::vector<DisplayedElement> changes;
    std::string held;
    std::shared_ptr<const std::string> text;
  };
  std::vector<Written> written;
  for (auto& [peer, page] : pages_) {
    if (page.role != Page::Role::Trainee) continue;
    Reply own = session_.bidderReply(page.bidder);
    if (shared.empty() && own.changes.empty() && own.effects.empty()) continue;
    const auto same = std::find_if(written.begin(), written.end(), [&own](const Written& w) {
      return w.held == own.held && w.changes == own.changes;
    });
    if (own.effects.empty() && same != written.end()) {
      peer->send(same->text);
      continue;
    }
    auto text = std::make_shared<const std::string>(
        viewText(joined(shared, elementList(own.changes)), own.effects, std::nullopt, own.held));
    if (own.effects.empty() && written.size() < kKindsCompared)
      written.push_back({std::move(own.changes), own.held, text});
    peer->send(std::move(text));
  }
  publishLists();
  arm();
}

void Hall::publishLists() {
  // The trainer's lists cover the whole room, and a room bids many times a second: they go out
  // at most every kListsEvery, the newest then.
  if (!listsDue_) {
    listsDue_ = true;
    const auto wait = std::max<std::int64_t>(0, listsSentAt_ + kListsEvery - now());
    lists_.expires_after(std::chrono::milliseconds(wait));
    lists_.async_wait([this](const boost::system::error_code& error) {
      if (!error && !over_) sendLists();
    });
  }
  for (auto& [peer, page] : pages_) {
    if (page.role != Page::Role::Trainee) continue;
    const std::uint64_t revision = session_.resultsOf(page.bidder)->revision();
    if (revision == page.resultsShown) continue;
    page.resultsShown = revision;
    send(*peer, traineeResults(page.bidder));
  }
}

void Hall::sendLists() {
  listsDue_ = false;
  listsSentAt_ = now();
  std::string trainees = traineesMessage();
  if (trainees != traineesShown_) {
    traineesShown_ = trainees;
    sendAll(Page::Role::Trainer, std::make_shared<const std::string>(std::move(trainees)));
  }
  // The trainer's results change with the lots that start and end (and those the hall
  // confirms), not with every bid of a running one.
  std::array<std::size_t, 3> lots = {seats_.size(), 0, session_.confirmedByHall().size()};
  for (const auto& [bidder, seat] : seats_) {
    const Lots& l = session_.resultsOf(bidder)->lots();
    lots[1] += 2 * l.size() + (!l.empty() && l.back().outcome != Outcome::Running ? 1 : 0);
  }
  if (lots != resultsShown_) {
    resultsShown_ = lots;
    sendAll(Page::Role::Trainer, std::make_shared<const std::string>(trainerResults()));
  }
}

std::string Hall::traineesMessage() const {
  json list = json::array();
  const auto standings = session_.standings();
  const auto holder = session_.rightHolder();
  for (const auto& [id, seat] : seats_) {
    const int bidder = id;  // a plain name, for the lambda (clang will not capture a binding)
    const auto s = std::find_if(standings.begin(), standings.end(),
                                [bidder](const Standing& st) { return st.bidder == bidder; });
    list.push_back({{"bidder", bidder},
                    {"name", session_.nameOf(bidder)},
                    {"connected", seat.peer != nullptr},
                    {"right", holder == bidder},
                    {"bids", s == standings.end() ? 0 : s->bids},
                    {"won", s == standings.end() ? 0 : s->summary.won}});
  }
  return wireText({{"type", "trainees"}, {"trainees", std::move(list)}});
}

std::string Hall::trainerResults() const {
  json standings = json::array();
  for (const Standing& s : session_.standings()) {
    standings.push_back(
        {{"place", s.place},
         {"bidder", s.bidder},
         {"name", s.name},
         {"bids", s.bids},
         {"won", s.summary.won},
         {"averageDifference",
          s.summary.averageDifference ? json(*s.summary.averageDifference) : json(nullptr)}});
  }
  json lots = json::array();
  for (const TraineeLot& l : session_.lots())
    lots.push_back({{"bidder", l.bidder}, {"name", l.name}, {"cells", lotCells(*l.lot)}});
  json headings = json::array();
  for (const char* h : lotHeadings()) headings.push_back(h);
  return wireText({{"type", "results"},
                   {"standings", std::move(standings)},
                   {"lots", std::move(lots)},
                   {"headings", std::move(headings)}});
}

std::string Hall::traineeResults(int bidder) const {
  return wireText({{"type", "results"}, {"results", resultsJson(*session_.resultsOf(bidder))}});
}

void Hall::send(Peer& peer, const std::string& text) {
  peer.send(std::make_shared<const std::string>(text));
}

void Hall::sendAll(Page::Role role, const std::shared_ptr<const std::string>& text) {
  for (auto& [peer, page] : pages_)
    if (page.role == role) peer->send(text);
}

void Hall::arm() {
  const auto sleep = session_.sleep();
  if (!sleep) {
    wake_.cancel();
    return;
  }
  wake_.expires_after(std::chrono::milliseconds(*sleep));
  wake_.async_wait([this](const boost::system::error_code& error) {
    if (!error && !over_) tick();
  });
}

void Hall::tick() {
  const Input tick = plain(InputKind::Tick);
  const std::int64_t t = now();
  journal_.operatorInput(t, tick);
  session_.operatorInput(tick, t);
  publish();
}

void Hall::watchIdle() {
  if (!pages_.empty() || over_) return;
  idle_.expires_after(kIdleEnd);
  idle_.async_wait([this](const boost::system::error_code& error) {
    if (!error && !over_ && pages_.empty()) end(Ending::Idle);
  });
}

void Hall::end(Ending how) {
  if (over_) return;
  over_ = true;
  wake_.cancel();
  idle_.cancel();
  lists_.cancel();
  const auto text = std::make_shared<const std::string>(
      wireText({{"type", "ended"}, {"reason", kEndings[static_cast<int>(how)]}}));
  for (auto& [peer, page] : pages_) {
    peer->send(text);
    peer->close();
  }
  pages_.clear();
  for (auto& [bidder, seat] : seats_) seat.peer = nullptr;
  // The owner may destroy the hall here: nothing of it is touched after.
  boost::asio::post(io_, [ended = ended_, how] { ended(how); });
}

}  // namespace kobaru
