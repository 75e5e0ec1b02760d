// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <boost/asio/io_context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "hall/hall_session.h"
#include "server/journal.h"
#include "server/peer.h"
#include "server/protocol.h"
#include "server/results_store.h"
#include "server/site_platform.h"

namespace kobaru {

// What a hall is made with.
struct HallSettings {
  std::string id, key;
  std::string line;         // whose earlier halls its trainer reads (see ResultsStore)
  std::string joinAddress;  // the trainees' page, for the trainer's panel
  std::filesystem::path site;
  std::optional<std::uint64_t> seed;  // seeded draws, for a hall to be played again
  std::string journal;                // where to write what it was given ("" for nowhere)
  ResultsStore* store = nullptr;      // where its ended lots are kept (none: nowhere)
};

// One hall: its session on the server's steady clock, driven on one event loop, with its
// trainer's pages and its trainees' seats. Every page's message is one event; after each, every
// page is sent what changed for it.
class Hall {
 public:
  static constexpr std::int64_t kSeatKept = 60'000;    // ms
  static constexpr std::chrono::minutes kIdleEnd{30};  // with no page connected
  static constexpr int kMostTrainees = 1000;
  // A page that sends this many messages the hall cannot take is closed; so is one that sends
  // inputs faster than this a second for long (a held key repeats at about that).
  static constexpr int kMostBadMessages = 20;
  static constexpr double kInputsASecond = 30, kInputBurst = 90;
  static constexpr std::int64_t kListsEvery = 250;  // ms between the trainer's lists
  enum class Ending { Trainer, Idle, Stopped };

  // `ended` runs once the hall has ended, with how.
  Hall(boost::asio::io_context& io, HallSettings settings, std::function<void(Ending)> ended);
  ~Hall();
  Hall(const Hall&) = delete;
  Hall& operator=(const Hall&) = delete;

  const std::string& id() const { return settings_.id; }
  const std::string& key() const { return settings_.key; }
  void connected(Peer& peer);
  void message(Peer& peer, std::string_view text);
  void disconnected(Peer& peer);
  // Tells every page and closes it; the hall does nothing more.
  void end(Ending how);

  HallSession& session() { return session_; }
  std::size_t pages() const { return pages_.size(); }

 private:
  struct Page {
    enum class Role { Unknown, Trainer, Trainee };
    Role role = Role::Unknown;
    int bidder = 0;
    std::uint64_t resultsShown = ~std::uint64_t{0};
    int bad = 0;
    double inputsLeft = kInputBurst;
    std::int64_t refilledAt = 0;
  };
  struct Seat {
    std::string token;
    Peer* peer = nullptr;
    std::optional<std::int64_t> leftAt;
  };

  std::int64_t now() const;
  void welcomeTrainer(Peer& peer, Page& page, const ClientMessage& m);
  void welcomeTrainee(Peer& peer, Page& page, const ClientMessage& m);
  void input(Page& page, const nlohmann::json& raw);
  // Answers a message the hall could not take; false once the page has sent too many.
  bool refuse(Peer& peer, Page& page, ProtocolError e);
  bool withinRate(Page& page);
  void seatLeft(int bidder);
  // After every event: each page's changes, the lists, the results, and the next wake-up.
  void publish();
  void publishLists();
  void sendLists();
  // Keeps every lot that has ended since; once that fails, tells the trainer and starts no lot.
  void keepEndedLots();
  void storageFailed();
  void sendCsv(Peer& peer, const std::string& hall);
  std::string storedHalls() const;
  void send(Peer& peer, const std::string& text);
  void sendAll(Page::Role role, const std::shared_ptr<const std::string>& text);
  std::string traineesMessage() const;
  std::string trainerResults() const;
  std::string traineeResults(int bidder) const;
  void arm();
  void tick();
  void watchIdle();

  boost::asio::io_context& io_;
  HallSettings settings_;
  std::function<void(Ending)> ended_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  SitePlatform platform_;
  HallSession session_;
  Journal journal_;
  std::map<Peer*, Page> pages_;
  std::map<int, Seat> seats_;
  boost::asio::steady_timer wake_{io_};
  boost::asio::steady_timer idle_{io_};
  boost::asio::steady_timer lists_{io_};
  bool listsDue_ = false;
  std::int64_t listsSentAt_ = -kListsEvery;
  std::string traineesShown_;
  std::array<std::size_t, 3> resultsShown_{};  // trainees, lots started and ended, confirmed
  bool over_ = false;
  std::map<int, std::size_t> kept_;  // each trainee's lots kept so far
  bool halted_ = false;              // the results cannot be kept: no new lot starts
};

}  // namespace kobaru
