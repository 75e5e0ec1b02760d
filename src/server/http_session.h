// SPDX-License-Identifier: MIT
#pragma once

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <memory>
#include <optional>

#include "server/visitors.h"

namespace kobaru {

class Server;

// One browser's HTTP connection: the site's files (GET and HEAD) and new halls (POST /halls),
// until it asks for a hall's WebSocket, which then takes the connection over. It counts against
// its visitor's connections from its first request on.
class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  static constexpr std::size_t kLargestRequest = 16 * 1024;  // bytes, header and body

  HttpSession(boost::asio::ip::tcp::socket&& socket, Server& server);
  void run() { read(); }

 private:
  void read();
  void answer();
  void openHall(unsigned version);
  template <typename Response>
  void write(Response&& response);

  boost::beast::tcp_stream stream_;
  Server& server_;
  boost::asio::ip::address visitor_;
  Visitors::Pass pass_;
  boost::beast::flat_buffer buffer_;
  std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> parser_;
};

}  // namespace kobaru
