// SPDX-License-Identifier: MIT
#pragma once

// The load tools' side: a page, a WebSocket to a hall on loopback, connected and welcomed
// synchronously, then reading and writing on the tools' shared loop; and their figures.

#include <algorithm>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

namespace kobaru::load {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using nlohmann::json;

// One page: connected and welcomed synchronously, then reading on the shared loop.
struct Page : std::enable_shared_from_this<Page> {
  websocket::stream<beast::tcp_stream> ws;
  beast::flat_buffer buffer;
  std::deque<std::string> out;
  std::function<void(Page&, const std::string&)> onMessage;
  long messages = 0;
  std::string welcome;  // as it came

  Page(asio::io_context& io, unsigned short port, const std::string& hall, const json& hello)
      : ws(io) {
    // Bounded: a server that does not answer fails the run rather than hanging it.
    beast::get_lowest_layer(ws).expires_after(std::chrono::seconds(10));
    beast::get_lowest_layer(ws).connect({asio::ip::make_address("127.0.0.1"), port});
    beast::get_lowest_layer(ws).socket().set_option(asio::ip::tcp::no_delay(true));
    ws.handshake("127.0.0.1:" + std::to_string(port), "/ws?hall=" + hall);
    ws.write(asio::buffer(hello.dump()));
    for (int i = 0; i < 100; ++i) {
      ws.read(buffer);
      const std::string m = beast::buffers_to_string(buffer.data());
      buffer.consume(buffer.size());
      if (m.find(R"("type":"welcome")") == std::string::npos) continue;
      welcome = m;
      beast::get_lowest_layer(ws).expires_never();
      return;
    }
    throw std::runtime_error("no welcome");
  }
  void read() {
    ws.async_read(buffer, [self = shared_from_this()](beast::error_code error, std::size_t) {
      if (error) return;
      const std::string m = beast::buffers_to_string(self->buffer.data());
      self->buffer.consume(self->buffer.size());
      ++self->messages;
      if (self->onMessage) self->onMessage(*self, m);
      self->read();
    });
  }
  void send(const json& message) {
    out.push_back(message.dump());
    if (out.size() == 1) write();
  }
  // Written before this returns, for inputs that must reach the server together (a lot's
  // start and its stop a step later would be another lot).
  void sendNow(const json& message) {
    if (!out.empty()) return send(message);
    ws.write(asio::buffer(message.dump()));
  }
  // Gone as a cut cable would leave it: no closing handshake.
  void drop() {
    beast::error_code ignored;
    beast::get_lowest_layer(ws).socket().close(ignored);
  }
  static json inputMessage(const char* kind, const char* name, const json& more) {
    json in = {{"kind", kind}, {"name", name}};
    in.update(more);
    return {{"type", "input"}, {"input", in}};
  }
  void input(const char* kind, const char* name, const json& more = json::object()) {
    send(inputMessage(kind, name, more));
  }
  void inputNow(const char* kind, const char* name, const json& more = json::object()) {
    sendNow(inputMessage(kind, name, more));
  }
  void write() {
    ws.async_write(asio::buffer(out.front()),
                   [self = shared_from_this()](beast::error_code error, std::size_t) {
                     if (error) return;
                     self->out.pop_front();
                     if (!self->out.empty()) self->write();
                   });
  }
};

// The p-th percentile of the figures (p from 0 to 100).
inline double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1,
                    static_cast<std::size_t>(p / 100 * static_cast<double>(v.size())))];
}

}  // namespace kobaru::load
