// SPDX-License-Identifier: MIT
#pragma once

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>
#include <memory>
#include <string>

#include "server/peer.h"
#include "server/visitors.h"

namespace kobaru {

class Hall;

// One page's WebSocket to its hall: each text message read is one message to the hall; what the
// hall sends goes out in order. A page that does not read what it is sent is dropped, so that the
// server's memory does not grow for it.
class SocketSession : public Peer, public std::enable_shared_from_this<SocketSession> {
 public:
  static constexpr std::size_t kLargestMessage = 4096;         // bytes, from a page
  static constexpr std::size_t kMostQueued = 4 * 1024 * 1024;  // bytes not yet written

  // `pass` is its place among its visitor's connections, held while it is open.
  SocketSession(boost::beast::tcp_stream&& stream, std::weak_ptr<Hall> hall, Visitors::Pass pass);
  void run(boost::beast::http::request<boost::beast::http::string_body> request);

  void send(std::shared_ptr<const std::string> message) override;
  void close(std::string_view reason = {}) override;

 private:
  void read();
  void write();
  void gone();

  boost::beast::websocket::stream<boost::beast::tcp_stream> ws_;
  std::weak_ptr<Hall> hall_;
  Visitors::Pass pass_;
  boost::beast::flat_buffer buffer_;
  std::deque<std::shared_ptr<const std::string>> queue_;
  std::size_t queued_ = 0;
  bool open_ = false;     // the handshake is done
  bool closing_ = false;  // no more is sent; closes once the queue is written
  bool closeSent_ = false;
  std::string reason_;  // why it is closed, if for what the page did
  bool gone_ = false;
};

}  // namespace kobaru
