// SPDX-License-Identifier: MIT
// kobaru-hall: the practice hall's server. It opens a hall, prints the trainer's and the
// trainees' addresses, and serves the site and the halls until interrupted.
#include <sys/resource.h>

#include <algorithm>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "server/server.h"

namespace {

constexpr char kUsage[] =
    "usage: kobaru-hall [--port N] [--bind ADDRESS] [--site FOLDER] [--data FILE] [OPTION]...\n"
    "  --port N         the port to listen on (default 8081; 0 for any free one)\n"
    "  --bind ADDRESS   the address to listen on (default 127.0.0.1; 0.0.0.0 for every network)\n"
    "  --site FOLDER    the browser edition's site to serve (default: the installed one)\n"
    "  --data FILE      the SQLite file the halls' results are kept in\n"
    "                   (default $XDG_DATA_HOME/kobaru/hall.sqlite)\n"
    "  --public ORIGIN  how pages reach the server, for the addresses it gives\n"
    "                   (like https://hall.example.org; default http://ADDRESS:PORT)\n"
    "  --proxy ADDRESS  the reverse proxy's address: its X-Forwarded-For names the visitor\n"
    "  --instance NAME  begins this process's hall ids (1 to 16 of a-z, 0-9), to route them by\n"
    "  --most-halls N   halls open at once (default 200)\n"
    "  --most-halls-per-address N        halls one address may have open (default 10)\n"
    "  --most-connections-per-address N  connections one address may hold (default 4000)\n"
    "  --seed N         seeded draws, so that a journal plays the hall again (for tests)\n"
    "  --journal FILE   writes everything the first hall is given to FILE (for tests)\n";

// The site installed beside the program: <prefix>/bin/kobaru-hall serves
// <prefix>/share/kobaru/site.
std::filesystem::path installedSite(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::canonical("/proc/self/exe", error);
  const auto program = error ? std::filesystem::path(argv0) : self;
  return program.parent_path().parent_path() / "share" / "kobaru" / "site";
}

template <typename Number>
bool numberOf(std::string_view text, Number& n) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  return error == std::errc() && end == text.data() + text.size();
}

bool instanceName(std::string_view s) {
  return !s.empty() && s.size() <= 16 && std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

// Pages are the more the more people: a hall of a thousand holds as many sockets open.
void allowAllDescriptors() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_NOFILE, &limit);
}

int usage(const std::string& problem) {
  std::cerr << "kobaru-hall: " << problem << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  kobaru::ServerOptions options;
  options.site = installedSite(argv[0]);
  options.data = kobaru::defaultStoreFile();
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (i + 1 >= argc) return usage("no value after " + std::string(option));
    const std::string_view value = argv[++i];
    if (option == "--port") {
      if (!numberOf(value, options.port)) return usage("no port: " + std::string(value));
    } else if (option == "--bind") {
      options.bind = value;
    } else if (option == "--site") {
      options.site = value;
    } else if (option == "--data") {
      options.data = value;
    } else if (option == "--seed") {
      std::uint64_t seed = 0;
      if (!numberOf(value, seed) || seed == 0) return usage("no seed: " + std::string(value));
      options.seed = seed;
    } else if (option == "--journal") {
      options.journal = value;
    } else if (option == "--public") {
      std::string origin(value);
      while (origin.ends_with('/')) origin.pop_back();
      if (!origin.starts_with("http://") && !origin.starts_with("https://"))
        return usage("no origin (http:// or https://, a host and maybe a port): " + origin);
      options.publicOrigin = origin;
    } else if (option == "--proxy") {
      boost::system::error_code error;
      options.proxy = boost::asio::ip::make_address(std::string(value), error);
      if (error) return usage("no address: " + std::string(value));
    } else if (option == "--instance") {
      if (!instanceName(value)) return usage("no instance name: " + std::string(value));
      options.instance = value;
    } else if (option == "--most-halls") {
      if (!numberOf(value, options.mostHalls) || options.mostHalls < 1)
        return usage("no number of halls: " + std::string(value));
    } else if (option == "--most-halls-per-address") {
      if (!numberOf(value, options.mostHallsPerAddress) || options.mostHallsPerAddress < 0)
        return usage("no number of halls: " + std::string(value));
    } else if (option == "--most-connections-per-address") {
      if (!numberOf(value, options.mostConnectionsPerAddress) ||
          options.mostConnectionsPerAddress < 1)
        return usage("no number of connections: " + std::string(value));
    } else {
      return usage("no option " + std::string(option));
    }
  }
  if (!std::filesystem::is_regular_file(options.site / "trainer.html")) {
    std::cerr << "kobaru-hall: no site with the hall's pages in " << options.site
              << " (build it with scripts/web build, or give --site)\n";
    return 1;
  }

  allowAllDescriptors();
  boost::asio::io_context io(1);
  std::unique_ptr<kobaru::Server> server;
  try {
    server = std::make_unique<kobaru::Server>(io, options);
  } catch (const kobaru::StoreError& e) {
    std::cerr << "kobaru-hall: the halls' results cannot be kept: " << e.what() << "\n"
              << "  give another file with --data FILE\n";
    return 1;
  } catch (const boost::system::system_error& e) {
    std::cerr << "kobaru-hall: cannot listen on " << options.bind << " port " << options.port
              << ": " << e.code().message() << "\n";
    return 1;
  }
  server->opened = [&server](kobaru::Hall& hall) {
    std::cout << "trainer " << server->trainerAddress(hall) << "\n"
              << "join " << server->joinAddress(hall.id()) << std::endl;
  };
  server->openHall();

  boost::asio::signal_set signals(io, SIGINT, SIGTERM);
  boost::asio::steady_timer last(io);
  signals.async_wait([&](const boost::system::error_code& error, int) {
    if (error) return;
    server->stop();
    // A moment for the pages to be told the hall has ended.
    last.expires_after(std::chrono::milliseconds(250));
    last.async_wait([&io](const boost::system::error_code&) { io.stop(); });
  });
  io.run();
  return 0;
}
