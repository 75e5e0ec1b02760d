// SPDX-License-Identifier: MIT
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "server/hall.h"

namespace kobaru {

struct ServerOptions {
  std::string bind = "127.0.0.1";
  unsigned short port = 8081;  // 0: any free port
  std::filesystem::path site;
  std::optional<std::uint64_t> seed;  // every hall's draws seeded, to be played again
  std::string journal;                // the first hall's journal
  std::filesystem::path data;         // the SQLite file the halls' results are kept in
};

// The hall server: the site's files over HTTP and each hall's WebSocket, on one event loop.
class Server {
 public:
  // Opens the results' file, then listens at once; throws StoreError when the file cannot be
  // opened and written, and what binding the address throws.
  Server(boost::asio::io_context& io, ServerOptions options);

  // A new hall, waiting for its trainer; `opened` is told of it.
  Hall& openHall();
  Hall* hall(const std::string& id);
  // The hall as its pages' connections keep it: they outlive it, and then reach it no more.
  std::weak_ptr<Hall> shared(const Hall& hall);
  std::string trainerAddress(const Hall& hall) const;
  std::string joinAddress(const std::string& id) const;
  unsigned short port() const;
  const std::filesystem::path& site() const { return options_.site; }
  // Ends every hall and stops listening.
  void stop();

  // Each hall opened, the first and the one that follows a hall that ended.
  std::function<void(Hall&)> opened;

 private:
  void accept();
  void ended(const std::string& id);

  boost::asio::io_context& io_;
  ServerOptions options_;
  std::unique_ptr<ResultsStore> store_;
  boost::asio::ip::tcp::acceptor acceptor_;
  std::string origin_;  // scheme, host and port as the addresses write them
  std::map<std::string, std::shared_ptr<Hall>> halls_;
  bool journalled_ = false;
  bool stopped_ = false;
};

}  // namespace kobaru
