// SPDX-License-Identifier: MIT
#include "server/server.h"

#include <ifaddrs.h>
#include <netinet/in.h>

#include <algorithm>

#include "server/http_session.h"
#include "server/tokens.h"

namespace kobaru {

namespace asio = boost::asio;
using asio::ip::tcp;

namespace {

// The address other machines reach this one by, when it listens on all of them: its first IPv4
// address that is up and not the loopback; the loopback when it has none.
asio::ip::address reachableAddress() {
  ifaddrs* all = nullptr;
  asio::ip::address found = asio::ip::address_v4::loopback();
  if (getifaddrs(&all) != 0) return found;
  for (const ifaddrs* a = all; a; a = a->ifa_next) {
    if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET) continue;
    const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
    const asio::ip::address_v4 v4(ntohl(in->sin_addr.s_addr));
    if (!v4.is_loopback()) {
      found = v4;
      break;
    }
  }
  freeifaddrs(all);
  return found;
}

std::string hostOf(const asio::ip::address& a) {
  return a.is_v6() ? "[" + a.to_string() + "]" : a.to_string();
}

}  // namespace

Server::Server(asio::io_context& io, ServerOptions options)
    : io_(io),
      options_(std::move(options)),
      store_(std::make_unique<ResultsStore>(options_.data)),
      acceptor_(io),
      acceptLater_(io),
      visitors_(options_.mostConnectionsPerAddress) {
  const auto address = asio::ip::make_address(options_.bind);
  const tcp::endpoint endpoint(address, options_.port);
  acceptor_.open(endpoint.protocol());
  acceptor_.set_option(asio::socket_base::reuse_address(true));
  acceptor_.bind(endpoint);
  acceptor_.listen(asio::socket_base::max_listen_connections);
  const auto shown = address.is_unspecified() ? reachableAddress() : address;
  origin_ = options_.publicOrigin.empty() ? "http://" + hostOf(shown) + ":" + std::to_string(port())
                                          : options_.publicOrigin;
  accept();
}

unsigned short Server::port() const {
  return acceptor_.local_endpoint().port();
}

void Server::accept() {
  acceptor_.async_accept([this](boost::system::error_code error, tcp::socket socket) {
    if (stopped_) return;
    if (error) {
      // Out of descriptors, say: try again in a moment rather than at once and for ever.
      acceptLater_.expires_after(std::chrono::milliseconds(50));
      acceptLater_.async_wait([this](boost::system::error_code e) {
        if (!e && !stopped_) accept();
      });
      return;
    }
    // Small messages go out at once, not after the peer's delayed acknowledgement.
    boost::system::error_code ignored;
    socket.set_option(tcp::no_delay(true), ignored);
    std::make_shared<HttpSession>(std::move(socket), *this)->run();
    accept();
  });
}

Hall& Server::openHall() {
  Hall& h = open(false);
  printed_ = h.id();
  if (opened) opened(h);
  return h;
}

std::pair<Opening, Hall*> Server::openHallFor(const asio::ip::address& visitor) {
  if (static_cast<int>(halls_.size()) >= options_.mostHalls)
    return {Opening::ServerHasMost, nullptr};
  const auto theirs = std::count_if(openedBy_.begin(), openedBy_.end(),
                                    [&visitor](const auto& o) { return o.second == visitor; });
  if (theirs >= options_.mostHallsPerAddress) return {Opening::AddressHasMost, nullptr};
  Hall& h = open(true);
  openedBy_[h.id()] = visitor;
  return {Opening::Opened, &h};
}

Hall& Server::open(bool asked) {
  HallSettings settings;
  settings.id = options_.instance.empty() ? randomToken() : options_.instance + "-" + randomToken();
  if (asked) settings.line = settings.id;
  settings.key = randomToken();
  settings.joinAddress = joinAddress(settings.id);
  settings.site = options_.site;
  settings.seed = options_.seed;
  settings.store = store_.get();
  // The journal is the first hall's.
  if (!std::exchange(journalled_, true)) settings.journal = options_.journal;
  const std::string id = settings.id;
  auto hall =
      std::make_shared<Hall>(io_, std::move(settings), [this, id](Hall::Ending) { ended(id); });
  Hall& h = *hall;
  halls_[id] = std::move(hall);
  return h;
}

void Server::ended(const std::string& id) {
  halls_.erase(id);
  openedBy_.erase(id);
  // The server goes on with a new hall of its own, for the next practice.
  if (!stopped_ && id == printed_) openHall();
}

Hall* Server::hall(const std::string& id) {
  const auto h = halls_.find(id);
  return h == halls_.end() ? nullptr : h->second.get();
}

std::weak_ptr<Hall> Server::shared(const Hall& hall) {
  const auto h = halls_.find(hall.id());
  return h == halls_.end() ? std::weak_ptr<Hall>() : h->second;
}

std::string Server::trainerAddress(const Hall& hall) const {
  return origin_ + "/trainer.html?hall=" + hall.id() + "#" + hall.key();
}

std::string Server::joinAddress(const std::string& id) const {
  return origin_ + "/join.html?hall=" + id;
}

void Server::stop() {
  stopped_ = true;
  boost::system::error_code ignored;
  acceptor_.close(ignored);
  for (auto& [id, hall] : halls_) hall->end(Hall::Ending::Stopped);
}

}  // namespace kobaru
