// SPDX-License-Identifier: MIT
#pragma once

// A hall server on a loopback port of its own, on a thread of its own, and pages that talk to it
// with Beast's synchronous WebSocket client, each read bounded in time. Shared by the protocol
// tests and the load benchmark.

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <thread>

#include "server/server.h"
#include "session/input.h"
#include "wire/session_json.h"

namespace kobaru {

// The server and its first hall; the server is ended with the object.
class TestHallServer {
 public:
  // `site`: a folder with the hall's pages; `journal`: the first hall's, if any; `data`: the
  // results' file (default: in the site's folder).
  // `tune` changes the options further.
  explicit TestHallServer(const std::filesystem::path& site, const std::string& journal = "",
                          std::filesystem::path data = {},
                          const std::function<void(ServerOptions&)>& tune = {}) {
    ServerOptions options;
    options.bind = "127.0.0.1";
    options.port = 0;
    options.site = site;
    options.seed = 7;
    options.journal = journal;
    options.data = data.empty() ? site / "hall.sqlite" : data;
    if (tune) tune(options);
    server_ = std::make_unique<Server>(io_, options);
    server_->opened = [this](Hall& h) {
      if (hall.empty()) {
        hall = h.id();
        key = h.key();
      }
    };
    server_->openHall();
    port = server_->port();
    thread_ = std::thread([this] { io_.run(); });
  }
  ~TestHallServer() {
    boost::asio::post(io_, [this] {
      server_->stop();
      io_.stop();
    });
    thread_.join();
  }
  Server& server() { return *server_; }

  std::string hall, key;
  unsigned short port = 0;

 private:
  boost::asio::io_context io_{1};
  std::unique_ptr<Server> server_;
  std::thread thread_;
};

// One page of a hall, keeping what it has been shown.
class TestPage {
 public:
  static constexpr auto kWait = std::chrono::seconds(10);

  // `origin`: the Origin a browser would send with the page's address ("" for none);
  // `forwardedFor`: the X-Forwarded-For a proxy would add ("" for none).
  TestPage(unsigned short port, const std::string& hall, const std::string& origin = "",
           const std::string& forwardedFor = "") {
    namespace asio = boost::asio;
    asio::ip::tcp::resolver resolver(io_);
    boost::beast::get_lowest_layer(ws_).expires_after(kWait);
    boost::beast::get_lowest_layer(ws_).connect(
        asio::ip::tcp::endpoint(asio::ip::make_address("127.0.0.1"), port));
    boost::beast::get_lowest_layer(ws_).socket().set_option(asio::ip::tcp::no_delay(true));
    boost::beast::get_lowest_layer(ws_).expires_never();
    ws_.set_option(boost::beast::websocket::stream_base::decorator(
        [origin, forwardedFor](boost::beast::websocket::request_type& r) {
          if (!origin.empty()) r.set(boost::beast::http::field::origin, origin);
          if (!forwardedFor.empty()) r.set("X-Forwarded-For", forwardedFor);
        }));
    ws_.handshake("127.0.0.1:" + std::to_string(port), "/ws?hall=" + hall);
  }

  void send(const nlohmann::json& message) { sendText(message.dump()); }
  void sendText(const std::string& text) {
    ws_.text(true);
    ws_.write(boost::asio::buffer(text));
  }
  void input(const Input& in) { send({{"type", "input"}, {"input", inputJson(in)}}); }

  // The next message, or an exception saying what was awaited when none comes in time.
  nlohmann::json read(const std::string& awaited) {
    boost::beast::flat_buffer buffer;
    boost::beast::get_lowest_layer(ws_).expires_after(kWait);
    try {
      ws_.read(buffer);
    } catch (const boost::system::system_error& e) {
      throw std::runtime_error("waiting for " + awaited + ": " + e.code().message());
    }
    nlohmann::json m = nlohmann::json::parse(boost::beast::buffers_to_string(buffer.data()));
    keep(m);
    return m;
  }
  // Reads until a message of the type comes (at most `most` messages).
  nlohmann::json next(const std::string& type, int most = 10'000) {
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    for (int i = 0; i < most && std::chrono::steady_clock::now() < deadline; ++i) {
      nlohmann::json m = read("a message \"" + type + "\"");
      if (m.value("type", "") == type) return m;
    }
    throw std::runtime_error("no message \"" + type + "\" in time");
  }
  // Reads until `done` holds of what the page shows (at most `most` messages).
  // Bounded in count and in time: a screen that keeps changing otherwise is given kWait.
  template <typename Done>
  void until(const std::string& what, Done done, int most = 10'000) {
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    for (int i = 0; i < most && !done(*this) && std::chrono::steady_clock::now() < deadline; ++i)
      read(what);
    if (!done(*this)) throw std::runtime_error("not seen in time: " + what);
  }
  // Everything sent before now has been read: the server answers a ping in order.
  void settle() {
    send({{"type", "ping"}, {"t", ++pings_}});
    for (int i = 0; i < 10'000; ++i) {
      const nlohmann::json m = read("the pong");
      if (m.value("type", "") == "pong" && m["t"] == pings_) return;
    }
  }
  bool closed() {
    boost::beast::flat_buffer buffer;
    boost::beast::get_lowest_layer(ws_).expires_after(kWait);
    boost::system::error_code error;
    for (int i = 0; i < 100 && !error; ++i) ws_.read(buffer, error);
    return error == boost::beast::websocket::error::closed || error == boost::asio::error::eof ||
           error == boost::asio::error::connection_reset;
  }
  // Why the server closed the connection, once closed() has seen it close.
  std::string closeReason() const { return std::string(ws_.reason().reason.c_str()); }
  void drop() { boost::beast::get_lowest_layer(ws_).socket().close(); }

  const nlohmann::json& shown(const std::string& name) const { return shown_.at(name); }
  std::string record() const {
    return shown_.count("ousatu") ? shown("ousatu").value("text", "") : "";
  }
  std::map<std::string, nlohmann::json> messages;  // the last of each type

 private:
  void keep(const nlohmann::json& m) {
    const std::string type = m.value("type", "");
    messages[type] = m;
    const char* list = type == "welcome" ? "elements" : type == "view" ? "changes" : nullptr;
    if (list)
      for (const auto& e : m[list]) shown_[e["name"].get<std::string>()] = e;
  }
  boost::asio::io_context io_;
  boost::beast::websocket::stream<boost::beast::tcp_stream> ws_{io_};
  std::map<std::string, nlohmann::json> shown_;
  int pings_ = 0;
};

// Pages of a server's first hall: one not yet welcomed, the trainer's, a new trainee's.
inline std::unique_ptr<TestPage> openPage(TestHallServer& server) {
  return std::make_unique<TestPage>(server.port, server.hall);
}
inline std::unique_ptr<TestPage> trainerOf(TestHallServer& server) {
  auto p = openPage(server);
  p->send({{"type", "trainer"}, {"key", server.key}});
  p->next("welcome");
  return p;
}
inline std::unique_ptr<TestPage> traineeOf(TestHallServer& server, const std::string& name) {
  auto p = openPage(server);
  p->send({{"type", "join"}, {"name", name}});
  p->next("welcome");
  return p;
}

// The operator's button, by Enter as the keyboard gives it.
inline void op(TestPage& trainer, const char* name) {
  Input in;
  in.kind = InputKind::KeyDown;
  in.name = name;
  in.key = U'\r';
  trainer.input(in);
}
// A click of the bid button.
inline void click(TestPage& p) {
  Input in;
  in.kind = InputKind::ButtonDown;
  in.name = "Command12";
  in.pointer = 1;
  p.input(in);
  in.kind = InputKind::ButtonUp;
  p.input(in);
}
inline bool newestHas(const TestPage& p, const std::string& text) {
  const std::string r = p.record();
  return r.substr(r.rfind('\n') + 1).find(text) != std::string::npos;
}
// A manual lot at 200, stopped at its start price and sold out, as every trainee's page shows.
inline void soldOut(TestPage& trainer, std::initializer_list<TestPage*> trainees) {
  op(trainer, "Command23");
  Input price;
  price.kind = InputKind::EntryText;
  price.name = "Text6";
  price.text = "200";
  trainer.input(price);
  for (const char* name : {"Command11", "Command1", "Command2", "Command8"}) op(trainer, name);
  trainer.settle();
  for (TestPage* p : trainees)
    p->until("the sell-out",
             [](TestPage& q) { return q.shown("Label13").value("foreColor", 0) != 0; });
}

// A lot of two trainees, `a` and then `b` bidding after the sell-out, to its award and
// `b`'s 確認.
inline void playLot(TestPage& t, TestPage& a, TestPage& b) {
  soldOut(t, {&a, &b});
  click(a);
  a.until("the first bid", [](TestPage& q) { return newestHas(q, "YOU"); });
  click(b);
  b.until("the second bid", [](TestPage& q) { return newestHas(q, "YOU"); });
  op(t, "Command9");
  b.until("the award", [](TestPage& q) { return newestHas(q, "自分落札"); });
  b.input([] {
    Input confirm;
    confirm.kind = InputKind::KeyDown;
    confirm.name = "Command14";
    confirm.key = U'\r';
    return confirm;
  }());
  b.settle();
}

// One HTTP request to the server, on a connection of its own, and its answer.
inline boost::beast::http::response<boost::beast::http::string_body> httpAnswer(
    unsigned short port, boost::beast::http::verb method, const std::string& target,
    std::initializer_list<std::pair<const char*, std::string>> fields = {}) {
  namespace http = boost::beast::http;
  boost::asio::io_context io;
  boost::beast::tcp_stream stream(io);
  stream.expires_after(std::chrono::seconds(10));
  stream.connect({boost::asio::ip::make_address("127.0.0.1"), port});
  http::request<http::empty_body> request{method, target, 11};
  request.set(http::field::host, "127.0.0.1:" + std::to_string(port));
  for (const auto& [name, value] : fields) request.set(name, value);
  http::write(stream, request);
  boost::beast::flat_buffer buffer;
  http::response_parser<http::string_body> response;
  response.skip(method == http::verb::head);
  http::read(stream, buffer, response);
  return response.release();
}

// A folder with the hall's pages, removed with the object.
class TestSite {
 public:
  TestSite() {
    std::string name =
        (std::filesystem::temp_directory_path() / "kobaru-hall-site-XXXXXX").string();
    if (!mkdtemp(name.data())) throw std::runtime_error("no temporary folder");
    path = name;
    for (const char* page : {"index.html", "trainer.html", "join.html"})
      std::ofstream(path / page) << "<!DOCTYPE html><title>" << page << "</title>\n";
  }
  ~TestSite() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

}  // namespace kobaru
