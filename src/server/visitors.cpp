// SPDX-License-Identifier: MIT
#include "server/visitors.h"

namespace kobaru {

namespace ip = boost::asio::ip;

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

ip::address visitorOf(const ip::address& peer, std::string_view forwardedFor,
                      const std::optional<ip::address>& proxy) {
  if (!proxy || peer != *proxy) return peer;
  const auto comma = forwardedFor.rfind(',');
  const std::string_view last =
      trimmed(comma == std::string_view::npos ? forwardedFor : forwardedFor.substr(comma + 1));
  boost::system::error_code error;
  const ip::address a = ip::make_address(std::string(last), error);
  return error ? peer : a;
}

Visitors::Pass Visitors::enter(const ip::address& a) {
  int& count = (*counts_)[a];
  if (count >= mostEach_) {
    if (count == 0) counts_->erase(a);
    return nullptr;
  }
  ++count;
  return Pass(counts_.get(), [counts = counts_, a](const void*) {
    const auto c = counts->find(a);
    if (c != counts->end() && --c->second == 0) counts->erase(c);
  });
}

int Visitors::connectionsOf(const ip::address& a) const {
  const auto c = counts_->find(a);
  return c == counts_->end() ? 0 : c->second;
}

}  // namespace kobaru
