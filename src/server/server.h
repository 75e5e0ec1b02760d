// SPDX-License-Identifier: MIT
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "server/hall.h"
#include "server/visitors.h"

namespace kobaru {

struct ServerOptions {
  std::string bind = "127.0.0.1";
  unsigned short port = 8081;  // 0: any free port
  std::filesystem::path site;
  std::optional<std::uint64_t> seed;  // every hall's draws seeded, to be played again
  std::string journal;                // the first hall's journal
  std::filesystem::path data;         // the SQLite file the halls' results are kept in
  std::string instance;      // begins this process's hall ids, for a proxy to route them by
  std::string publicOrigin;  // how pages reach the server, when not at the address it listens on
  std::optional<boost::asio::ip::address> proxy;  // the proxy it stands behind, if any
  int mostHalls = 200;                            // open at once
  int mostHallsPerAddress = 10;                   // opened by one address and open at once
  int mostConnectionsPerAddress = 4000;           // HTTP and WebSocket, open at once
};

// How a request for a new hall went.
enum class Opening { Opened, AddressHasMost, ServerHasMost };

// The hall server: the site's files over HTTP and each hall's WebSocket, on one event loop.
class Server {
 public:
  // Opens the results' file, then listens at once; throws StoreError when the file cannot be
  // opened and written, and what binding the address throws.
  Server(boost::asio::io_context& io, ServerOptions options);

  // The hall whose addresses the server prints, waiting for its trainer; `opened` is told of it,
  // and of the next one whenever it ends.
  Hall& openHall();
  // A new hall asked for from `visitor`, if neither they nor the server hold their most.
  std::pair<Opening, Hall*> openHallFor(const boost::asio::ip::address& visitor);
  Hall* hall(const std::string& id);
  // The hall as its pages' connections keep it: they outlive it, and then reach it no more.
  std::weak_ptr<Hall> shared(const Hall& hall);
  std::string trainerAddress(const Hall& hall) const;
  std::string joinAddress(const std::string& id) const;
  unsigned short port() const;
  const std::filesystem::path& site() const { return options_.site; }
  const ServerOptions& options() const { return options_; }
  Visitors& visitors() { return visitors_; }
  // Ends every hall and stops listening.
  void stop();

  // Each hall opened, the first and the one that follows a hall that ended.
  std::function<void(Hall&)> opened;

 private:
  void accept();
  // Asked for: its trainer reads no earlier hall but itself.
  Hall& open(bool asked);
  void ended(const std::string& id);

  boost::asio::io_context& io_;
  ServerOptions options_;
  std::unique_ptr<ResultsStore> store_;
  boost::asio::ip::tcp::acceptor acceptor_;
  std::string origin_;  // scheme, host and port as the addresses write them
  boost::asio::steady_timer acceptLater_;
  std::map<std::string, std::shared_ptr<Hall>> halls_;
  std::map<std::string, boost::asio::ip::address> openedBy_;  // halls asked for, by whom
  std::string printed_;  // the id of the hall whose addresses were printed
  Visitors visitors_;
  bool journalled_ = false;
  bool stopped_ = false;
};

}  // namespace kobaru
