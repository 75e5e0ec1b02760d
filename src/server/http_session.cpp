// SPDX-License-Identifier: MIT
#include "server/http_session.h"

#include <algorithm>
#include <boost/beast/websocket.hpp>
#include <cctype>
#include <chrono>
#include <nlohmann/json.hpp>

#include "server/server.h"
#include "server/socket_session.h"
#include "server/static_files.h"

namespace kobaru {

namespace beast = boost::beast;
namespace http = beast::http;

namespace {

constexpr auto kRequestTime = std::chrono::seconds(30);
constexpr std::string_view kSocketPath = "/ws";
constexpr std::string_view kHallsPath = "/halls";

// The value of `name` in the target's query, as written (the hall's id has no escapes).
std::string queryValue(std::string_view target, std::string_view name) {
  const auto query = target.find('?');
  if (query == std::string_view::npos) return {};
  std::string_view rest = target.substr(query + 1);
  while (!rest.empty()) {
    const std::string_view pair = rest.substr(0, rest.find('&'));
    if (pair.size() > name.size() && pair.substr(0, name.size()) == name &&
        pair[name.size()] == '=')
      return std::string(pair.substr(name.size() + 1));
    rest.remove_prefix(std::min(rest.size(), pair.size() + 1));
  }
  return {};
}

// A page of another site may not open a hall's WebSocket in the browser of one who visits it:
// the page's origin must be this server as the browser reached it (its Host). A client that is
// no browser sends no Origin.
bool ownOrigin(std::string_view origin, std::string_view host) {
  if (origin.empty()) return true;
  for (std::string_view scheme : {"http://", "https://"}) {
    if (origin.substr(0, scheme.size()) != scheme) continue;
    const std::string_view rest = origin.substr(scheme.size());
    return rest.size() == host.size() &&
           std::equal(rest.begin(), rest.end(), host.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) ==
                    std::tolower(static_cast<unsigned char>(b));
           });
  }
  return false;
}

std::string_view view(boost::beast::string_view s) {
  return {s.data(), s.size()};
}

http::response<http::string_body> plainAnswer(http::status status, unsigned version, bool keepAlive,
                                              std::string_view text) {
  http::response<http::string_body> r{status, version};
  r.set(http::field::content_type, "text/plain; charset=utf-8");
  r.keep_alive(keepAlive);
  r.body() = std::string(text);
  r.prepare_payload();
  return r;
}

}  // namespace

HttpSession::HttpSession(boost::asio::ip::tcp::socket&& socket, Server& server)
    : stream_(std::move(socket)), server_(server) {}

void HttpSession::read() {
  parser_.emplace();
  parser_->body_limit(kLargestRequest);
  parser_->header_limit(kLargestRequest);
  stream_.expires_after(kRequestTime);
  http::async_read(stream_, buffer_, *parser_,
                   [self = shared_from_this()](beast::error_code error, std::size_t) {
                     if (error) {
                       beast::error_code ignored;
                       self->stream_.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_send,
                                                       ignored);
                       return;
                     }
                     self->answer();
                   });
}

void HttpSession::answer() {
  http::request<http::string_body> request = parser_->release();
  const std::string_view target = view(request.target());
  const std::string_view path = target.substr(0, target.find('?'));
  const unsigned version = request.version();
  const bool keepAlive = request.keep_alive();
  if (!pass_) {
    beast::error_code error;
    const auto peer = stream_.socket().remote_endpoint(error).address();
    visitor_ = visitorOf(peer, view(request["X-Forwarded-For"]), server_.options().proxy);
    pass_ = server_.visitors().enter(visitor_);
    if (!pass_) {
      auto r = plainAnswer(http::status::too_many_requests, version, false,
                           "Too many connections from one address: close some and try again.\n");
      r.set(http::field::retry_after, "10");
      return write(std::move(r));
    }
  }
  const bool own = ownOrigin(view(request[http::field::origin]), view(request[http::field::host]));
  if (path == kSocketPath) {
    if (!own)
      return write(plainAnswer(http::status::forbidden, version, false,
                               "A page of another site may not join this hall.\n"));
    Hall* hall =
        beast::websocket::is_upgrade(request) ? server_.hall(queryValue(target, "hall")) : nullptr;
    if (!hall)
      return write(plainAnswer(http::status::not_found, version, false, "No such hall.\n"));
    std::make_shared<SocketSession>(std::move(stream_), server_.shared(*hall), std::move(pass_))
        ->run(std::move(request));
    return;
  }
  if (path == kHallsPath) {
    if (request.method() != http::verb::post) {
      auto r = plainAnswer(http::status::method_not_allowed, version, keepAlive, "POST.\n");
      r.set(http::field::allow, "POST");
      return write(std::move(r));
    }
    if (!own)
      return write(plainAnswer(http::status::forbidden, version, false,
                               "A page of another site may not open a hall here.\n"));
    return openHall(version);
  }
  if (request.method() != http::verb::get && request.method() != http::verb::head) {
    auto r = plainAnswer(http::status::method_not_allowed, version, keepAlive, "GET or HEAD.\n");
    r.set(http::field::allow, "GET, HEAD");
    return write(std::move(r));
  }
  const auto file = siteFile(server_.site(), target);
  http::file_body::value_type body;
  beast::error_code error;
  if (file) body.open(file->c_str(), beast::file_mode::scan, error);
  if (!file || error)
    return write(plainAnswer(http::status::not_found, version, keepAlive, "Not found.\n"));
  const auto size = body.size();
  const auto type = std::string(mediaTypeOf(*file));
  auto headers = [&](auto& r) {
    r.set(http::field::content_type, type);
    // Always asked again, so a rebuilt site is what the pages get.
    r.set(http::field::cache_control, "no-cache");
    r.set("X-Content-Type-Options", "nosniff");
    r.content_length(size);
    r.keep_alive(keepAlive);
  };
  if (request.method() == http::verb::head) {
    http::response<http::empty_body> r{http::status::ok, version};
    headers(r);
    return write(std::move(r));
  }
  http::response<http::file_body> r{std::piecewise_construct, std::make_tuple(std::move(body)),
                                    std::make_tuple(http::status::ok, version)};
  headers(r);
  write(std::move(r));
}

void HttpSession::openHall(unsigned version) {
  const auto [opening, hall] = server_.openHallFor(visitor_);
  switch (opening) {
    case Opening::AddressHasMost:
      return write(
          plainAnswer(http::status::too_many_requests, version, false,
                      "This address has opened as many halls as it may: end one first.\n"));
    case Opening::ServerHasMost:
      return write(plainAnswer(http::status::service_unavailable, version, false,
                               "The server holds as many halls as it can: try again later.\n"));
    case Opening::Opened:
      break;
  }
  http::response<http::string_body> r{http::status::created, version};
  r.set(http::field::content_type, "application/json");
  r.set(http::field::cache_control, "no-store");
  r.keep_alive(false);
  r.body() = nlohmann::json{{"trainer", server_.trainerAddress(*hall)},
                            {"join", server_.joinAddress(hall->id())}}
                 .dump();
  r.prepare_payload();
  write(std::move(r));
}

template <typename Response>
void HttpSession::write(Response&& response) {
  auto r = std::make_shared<std::decay_t<Response>>(std::forward<Response>(response));
  http::async_write(
      stream_, *r, [self = shared_from_this(), r](beast::error_code error, std::size_t) {
        if (!error && r->keep_alive()) return self->read();
        beast::error_code ignored;
        self->stream_.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_send, ignored);
      });
}

}  // namespace kobaru
