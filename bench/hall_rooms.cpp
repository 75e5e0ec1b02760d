// SPDX-License-Identifier: MIT
// Many halls at once against the real kobaru-hall process on loopback: 100 halls of 30 trainees
// and a trainer each by default, every trainee bidding at random, some dropping and coming back
// into their seats. The server's CPU and memory meanwhile, how soon a trainee sees their own bid,
// and whether every trainee's record holds each bid they made once: not one lost, not one twice.
//
// Each hall's trainer plays manual lots: sells one out, lets the room bid for a while, waits for
// every bid on the way to be answered, and decides. A trainee clicks only when their page shows
// that somebody else holds the right and their last click is in their record, so that each click
// must add exactly one line of theirs ("YOU") to it. Bounded: so many seconds, and a deadline on
// every wait.
//
// Usage: kobaru_hall_rooms [KOBARU_HALL [HALLS [TRAINEES [SECONDS]]]]
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "load_client.h"
#include "support/hall_process.h"

namespace {

using kobaru::ServerProcess;
using kobaru::load::Page;
using kobaru::load::percentile;
namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using Clock = std::chrono::steady_clock;
using nlohmann::json;
using Ms = std::chrono::milliseconds;

constexpr auto kSetUpWait = Ms(1000);  // from the lot's set-up to the room's bidding
constexpr int kShortestLot = 6000, kLongestLot = 12000;  // ms of bidding
constexpr auto kAnswerWait = Ms(5000);  // for the bids on the way, before the decision
constexpr int kFewestBetweenClicks = 2000, kMostBetweenClicks = 10000;  // ms, each trainee
constexpr int kDropsInTwenty = 1;  // of a trainee's turns, one in twenty drops instead
constexpr int kShortestAway = 500, kLongestAway = 3000;  // ms before coming back

std::mt19937 draws(11);
int uniform(int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(draws);
}

// The lines of a record that are the trainee's own.
int ownLines(const std::string& record) {
  int n = 0;
  for (std::size_t at = record.find("YOU"); at != std::string::npos;
       at = record.find("YOU", at + 3))
    ++n;
  return n;
}
bool holdsTheRight(const std::string& record) {
  return record.substr(record.rfind('\n') + 1).find("YOU") != std::string::npos;
}

// An element's state, if the message's list shows it.
std::optional<json> elementIn(const std::string& message, const char* list, const char* name) {
  if (message.find(std::string(R"("name":")") + name + '"') == std::string::npos)
    return std::nullopt;
  const json m = json::parse(message, nullptr, false);
  if (m.is_discarded() || !m.contains(list)) return std::nullopt;
  for (const json& e : m[list])
    if (e.value("name", "") == name) return e;
  return std::nullopt;
}

struct Figures {
  std::vector<double> ownBid;  // ms from a click to its line in the trainee's record
  long clicks = 0, lost = 0, doubled = 0, drops = 0, lots = 0, unanswered = 0, setUpAgain = 0;
};

struct Room;

struct Trainee {
  Room& room;
  int number;
  std::shared_ptr<Page> page;
  std::string seat;
  std::string record;
  int clicks = 0;  // this lot's: each must be one line of the lot's record, which starts empty
  bool away = false;
  bool waiting = false;  // for the line of the last click
  Clock::time_point sentAt;
  asio::steady_timer turn;
  Trainee(Room& r, int n, asio::io_context& io) : room(r), number(n), turn(io) {}

  void connect();
  void follow();
  void nextTurn();
  void act();
};

// One hall: its trainer's page, its trainees, and the lot it is in.
struct Room {
  asio::io_context& io;
  unsigned short port;
  std::string hall, key;
  Figures& figures;
  std::shared_ptr<Page> trainer;
  std::vector<std::unique_ptr<Trainee>> trainees;
  bool bidding = false;
  bool soldOut = false;  // as the trainer's page shows the lot
  asio::steady_timer timer{io};
  Clock::time_point closingSince;

  Room(asio::io_context& i, unsigned short p, std::string h, std::string k, Figures& f)
      : io(i), port(p), hall(std::move(h)), key(std::move(k)), figures(f) {}

  void enter(const char* name) { trainer->inputNow("keyDown", name, {{"key", 13}}); }
  void setUp() {
    soldOut = false;
    enter("Command23");
    trainer->inputNow("entryText", "Text6", {{"text", "200"}});
    for (const char* name : {"Command11", "Command1", "Command2", "Command8"}) enter(name);
    after(kSetUpWait, [this] { open(); });
  }
  // The trainer's page tells when the lot is sold out: the sign うりきり lights (and then
  // blinks, so once lit counts).
  void follow() {
    trainer->onMessage = [this](Page&, const std::string& m) {
      if (const auto sign = elementIn(m, "changes", "Label13"))
        soldOut = soldOut || sign->value("foreColor", 0) != 0;
    };
    trainer->read();
  }
  void open() {
    // Should the set-up have come apart all the same (the clock climbing between the start and
    // the stop, which then is no sell-out at the start price), it is done again: the room bids
    // only on a lot sold out.
    if (!soldOut) {
      ++figures.setUpAgain;
      return setUp();
    }
    for (auto& t : trainees) t->clicks = 0;
    bidding = true;
    after(Ms(uniform(kShortestLot, kLongestLot)), [this] {
      bidding = false;
      closingSince = Clock::now();
      close();
    });
  }
  // Waits for every bid on the way to be answered, then checks each record and decides.
  void close() {
    const bool answered =
        std::none_of(trainees.begin(), trainees.end(), [](const auto& t) { return t->waiting; });
    if (!answered && Clock::now() - closingSince < kAnswerWait)
      return after(Ms(50), [this] { close(); });
    for (auto& t : trainees) {
      if (t->waiting) {
        ++figures.unanswered;
        t->waiting = false;
      }
      // Away since an earlier lot, the record it last read is that lot's.
      if (t->away && t->clicks == 0) continue;
      const int lines = ownLines(t->record);
      if (lines < t->clicks) figures.lost += t->clicks - lines;
      if (lines > t->clicks) figures.doubled += lines - t->clicks;
    }
    ++figures.lots;
    enter("Command9");
    after(Ms(1500), [this] { setUp(); });
  }
  template <typename Then>
  void after(Ms wait, Then then) {
    timer.expires_after(wait);
    timer.async_wait([then](beast::error_code error) {
      if (!error) then();
    });
  }
};

void Trainee::connect() {
  const json hello = seat.empty()
                         ? json{{"type", "join"}, {"name", "練習者" + std::to_string(number)}}
                         : json{{"type", "join"}, {"seat", seat}};
  page = std::make_shared<Page>(room.io, room.port, room.hall, hello);
  const json welcome = json::parse(page->welcome);
  seat = welcome.value("seat", "");
  if (auto r = elementIn(page->welcome, "elements", "ousatu")) record = r->value("text", "");
  away = false;
  follow();
}

void Trainee::follow() {
  page->onMessage = [this](Page&, const std::string& m) {
    const auto r = elementIn(m, "changes", "ousatu");
    if (!r) return;
    record = r->value("text", "");
    if (waiting && ownLines(record) >= clicks) {
      waiting = false;
      room.figures.ownBid.push_back(
          std::chrono::duration<double, std::milli>(Clock::now() - sentAt).count());
    }
  };
  page->read();
}

void Trainee::nextTurn() {
  turn.expires_after(Ms(uniform(kFewestBetweenClicks, kMostBetweenClicks)));
  turn.async_wait([this](beast::error_code error) {
    if (!error) act();
  });
}

void Trainee::act() {
  if (!room.bidding || waiting || holdsTheRight(record)) return nextTurn();
  if (uniform(1, 20) <= kDropsInTwenty) {
    ++room.figures.drops;
    away = true;
    page->onMessage = nullptr;
    page->drop();
    turn.expires_after(Ms(uniform(kShortestAway, kLongestAway)));
    turn.async_wait([this](beast::error_code error) {
      if (error) return;
      connect();
      nextTurn();
    });
    return;
  }
  ++clicks;
  ++room.figures.clicks;
  waiting = true;
  sentAt = Clock::now();
  page->input("buttonDown", "Command12", {{"pointer", 1}});
  page->input("buttonUp", "Command12", {{"pointer", 1}});
  nextTurn();
}

// A new hall from the server, as a trainer's page asks for one.
std::pair<std::string, std::string> newHall(unsigned short port) {
  asio::io_context io;
  beast::tcp_stream stream(io);
  stream.expires_after(std::chrono::seconds(10));
  stream.connect({asio::ip::make_address("127.0.0.1"), port});
  http::request<http::empty_body> request{http::verb::post, "/halls", 11};
  request.set(http::field::host, "127.0.0.1:" + std::to_string(port));
  http::write(stream, request);
  beast::flat_buffer buffer;
  http::response<http::string_body> response;
  http::read(stream, buffer, response);
  if (response.result() != http::status::created)
    throw std::runtime_error("no new hall: " + response.body());
  const std::string trainer = json::parse(response.body()).value("trainer", "");
  const auto id = trainer.find("hall=") + 5;
  return {trainer.substr(id, trainer.find('#') - id), trainer.substr(trainer.find('#') + 1)};
}

long kilobytes(const std::string& memory) {
  return std::atol(memory.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = argc > 1 ? argv[1] : KOBARU_HALL;
  const int halls = argc > 2 ? std::stoi(argv[2]) : 100;
  const int each = argc > 3 ? std::stoi(argv[3]) : 30;
  const int seconds = argc > 4 ? std::stoi(argv[4]) : 60;
  const auto site =
      std::filesystem::temp_directory_path() / ("kobaru-hall-rooms-" + std::to_string(getpid()));
  std::filesystem::create_directories(site);
  for (const char* page : {"trainer.html", "join.html"})
    std::ofstream(site / page) << "<!DOCTYPE html>\n";
  {
    const std::string most = std::to_string(halls);
    ServerProcess server(program, site, site / "hall.sqlite",
                         {"--most-halls", most, "--most-halls-per-address", most});
    asio::io_context io;
    Figures figures;
    std::vector<std::unique_ptr<Room>> rooms;
    rooms.push_back(std::make_unique<Room>(io, server.port, server.hall, server.key, figures));
    while (static_cast<int>(rooms.size()) < halls) {
      const auto [hall, key] = newHall(server.port);
      rooms.push_back(std::make_unique<Room>(io, server.port, hall, key, figures));
    }
    const long opened = kilobytes(server.memory("VmRSS:"));
    const auto joining = Clock::now();
    for (auto& room : rooms) {
      room->trainer = std::make_shared<Page>(io, server.port, room->hall,
                                             json{{"type", "trainer"}, {"key", room->key}});
      room->follow();
      for (int i = 0; i < each; ++i) {
        room->trainees.push_back(std::make_unique<Trainee>(*room, i + 1, io));
        room->trainees.back()->connect();
      }
    }
    const double joined = std::chrono::duration<double>(Clock::now() - joining).count();
    io.run_for(Ms(300));  // the welcomes' followers
    const long full = kilobytes(server.memory("VmRSS:"));
    const int people = halls * each;

    for (auto& room : rooms) {
      room->setUp();
      for (auto& t : room->trainees) t->nextTurn();
    }
    const double cpuBefore = server.cpuSeconds();
    const auto began = Clock::now();
    io.run_for(std::chrono::seconds(seconds));
    const double wall = std::chrono::duration<double>(Clock::now() - began).count();
    const double cpu = server.cpuSeconds() - cpuBefore;

    std::printf("%d halls of %d trainees and a trainer (%d trainees) on loopback, %.0f s\n", halls,
                each, people, wall);
    std::printf(
        "  joined in %.1f s; server memory: %ld kB with the halls open, %ld kB with everybody"
        " joined: %.1f KiB a trainee (their trainer's page included); peak %s\n",
        joined, opened, full, static_cast<double>(full - opened) / people,
        server.memory("VmHWM:").c_str());
    std::printf(
        "  server: %.1f %% of one core; %ld lots decided (%ld set up again), %ld clicks, %ld"
        " drops and returns\n",
        100 * cpu / wall, figures.lots, figures.setUpAgain, figures.clicks, figures.drops);
    std::printf(
        "  a click to its line in the trainee's record: p50 %.2f ms, p99 %.2f ms, max %.2f"
        " ms\n",
        percentile(figures.ownBid, 50), percentile(figures.ownBid, 99),
        percentile(figures.ownBid, 100));
    std::printf("  bids lost: %ld, counted twice: %ld, unanswered at the decision: %ld\n",
                figures.lost, figures.doubled, figures.unanswered);
    std::filesystem::remove_all(site);
    return figures.lost || figures.doubled || figures.unanswered ? 1 : 0;
  }
}
