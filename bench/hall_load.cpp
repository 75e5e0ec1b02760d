// SPDX-License-Identifier: MIT
// A hall of 30 trainees and its trainer on loopback, against the real kobaru-hall process: how
// soon a trainee's bid reaches every page, and the server's CPU and memory meanwhile.
//
// The trainer sets up a manual lot and sells it out; then the trainees click in turn, one at a
// time, each click a bid one position up that every page's record shows. Timed from the click
// sent to the record's change read by each page, and by the last. Then the program runs the lots
// (全自動) for a while, every page following them. Bounded: so many clicks, and a deadline.
//
// Usage: kobaru_hall_load [KOBARU_HALL [TRAINEES [CLICKS]]]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include "load_client.h"
#include "support/hall_process.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kobaru::ServerProcess;
using kobaru::load::Page;
using kobaru::load::percentile;
namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using Clock = std::chrono::steady_clock;
using nlohmann::json;

constexpr auto kDeadline = std::chrono::seconds(180);
constexpr auto kClickWait = std::chrono::seconds(2);
// Bids a lot takes before the next one starts: a lively lot's, so the record stays its size.
constexpr int kBidsALot = 20;
constexpr auto kAutomatic = std::chrono::seconds(10);

}  // namespace

int main(int argc, char** argv) {
  const std::string program = argc > 1 ? argv[1] : KOBARU_HALL;
  const int trainees = argc > 2 ? std::stoi(argv[2]) : 30;
  const int clicks = argc > 3 ? std::stoi(argv[3]) : 300;
  const auto site =
      std::filesystem::temp_directory_path() / ("kobaru-hall-load-" + std::to_string(getpid()));
  std::filesystem::create_directories(site);
  for (const char* page : {"trainer.html", "join.html"})
    std::ofstream(site / page) << "<!DOCTYPE html>\n";

  {
    ServerProcess server(program, site, site / "hall.sqlite");
    asio::io_context io;
    auto trainer = std::make_shared<Page>(io, server.port, server.hall,
                                          json{{"type", "trainer"}, {"key", server.key}});
    std::vector<std::shared_ptr<Page>> pages = {trainer};
    for (int i = 0; i < trainees; ++i)
      pages.push_back(std::make_shared<Page>(
          io, server.port, server.hall,
          json{{"type", "join"}, {"name", "練習者" + std::to_string(i + 1)}}));
    const auto memoryJoined = server.memory("VmRSS:");

    std::vector<double> toEach, toAll;
    Clock::time_point sent;
    int waiting = 0;
    int click = 0;
    bool measuring = false;
    std::vector<bool> seen(pages.size());
    asio::steady_timer timer(io);
    std::function<void()> setUp, next;
    const auto enter = [&](const char* name) { trainer->input("keyDown", name, {{"key", 13}}); };
    setUp = [&] {
      measuring = false;
      enter("Command23");
      trainer->input("entryText", "Text6", {{"text", "200"}});
      for (const char* name : {"Command11", "Command1", "Command2", "Command8"}) enter(name);
      timer.expires_after(std::chrono::milliseconds(500));
      timer.async_wait([&](beast::error_code error) {
        if (!error) next();
      });
    };
    next = [&] {
      if (click >= clicks || Clock::now() - sent > kDeadline) return io.stop();
      Page& bidder = *pages[1 + click % trainees];
      std::fill(seen.begin(), seen.end(), false);
      waiting = static_cast<int>(pages.size());
      measuring = true;
      sent = Clock::now();
      bidder.input("buttonDown", "Command12", {{"pointer", 1}});
      bidder.input("buttonUp", "Command12", {{"pointer", 1}});
      timer.expires_after(kClickWait);
      timer.async_wait([&](beast::error_code error) {
        if (!error) setUp();  // the lot has ended: another one, and this click not counted
      });
    };
    for (std::size_t i = 0; i < pages.size(); ++i) {
      pages[i]->onMessage = [&, i](Page&, const std::string& m) {
        if (!measuring || seen[i] || m.find(R"("name":"ousatu")") == std::string::npos) return;
        seen[i] = true;
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        toEach.push_back(ms);
        if (--waiting > 0) return;
        toAll.push_back(ms);
        ++click;
        measuring = false;
        timer.cancel();
        asio::post(io, click % kBidsALot == 0 ? setUp : next);
      };
      pages[i]->read();
    }
    const double cpuBefore = server.cpuSeconds();
    const auto began = Clock::now();
    sent = began;
    setUp();
    io.run_for(kDeadline);
    const double wall = std::chrono::duration<double>(Clock::now() - began).count();
    const double cpuClicks = server.cpuSeconds() - cpuBefore;

    std::printf("hall of %d trainees and a trainer on loopback, %zu clicks measured\n", trainees,
                toAll.size());
    std::printf("  click to the change on each page: p50 %.2f ms, p99 %.2f ms\n",
                percentile(toEach, 50), percentile(toEach, 99));
    std::printf("  click to the change on every page: p50 %.2f ms, p99 %.2f ms, max %.2f ms\n",
                percentile(toAll, 50), percentile(toAll, 99), percentile(toAll, 100));
    std::printf("  server while clicking: %.1f %% of one core over %.1f s\n",
                100 * cpuClicks / wall, wall);

    // The program runs the lots; every page follows them.
    io.restart();
    for (auto& p : pages) {
      p->onMessage = nullptr;
      p->messages = 0;
    }
    enter("Command26");
    const double cpuAuto = server.cpuSeconds();
    io.run_for(kAutomatic);
    long messages = 0;
    for (auto& p : pages) messages += p->messages;
    const double seconds = std::chrono::duration<double>(kAutomatic).count();
    std::printf(
        "  server in automatic lots: %.1f %% of one core, %.0f messages a second to the pages\n",
        100 * (server.cpuSeconds() - cpuAuto) / seconds, static_cast<double>(messages) / seconds);
    std::printf("  server memory: %s resident with everybody joined, %s now, peak %s\n",
                memoryJoined.c_str(), server.memory("VmRSS:").c_str(),
                server.memory("VmHWM:").c_str());
  }
  std::filesystem::remove_all(site);
  return 0;
}
