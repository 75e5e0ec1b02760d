// SPDX-License-Identifier: MIT
#pragma once

#include <boost/asio/ip/address.hpp>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

namespace kobaru {

// Where a request comes from: the connection's own address, or, when that is the proxy the
// server is told it stands behind, the last address the proxy added to X-Forwarded-For (what
// came before it is the client's own say and not believed).
boost::asio::ip::address visitorOf(const boost::asio::ip::address& peer,
                                   std::string_view forwardedFor,
                                   const std::optional<boost::asio::ip::address>& proxy);

// The connections each address holds open, so that no one address takes all the server has.
class Visitors {
 public:
  explicit Visitors(int mostEach) : mostEach_(mostEach) {}
  // A connection's place, held until the last copy goes; empty when its address already holds
  // its most. Places may outlive the Visitors.
  using Pass = std::shared_ptr<const void>;
  Pass enter(const boost::asio::ip::address& a);
  int connectionsOf(const boost::asio::ip::address& a) const;

 private:
  int mostEach_;
  std::shared_ptr<std::map<boost::asio::ip::address, int>> counts_ =
      std::make_shared<std::map<boost::asio::ip::address, int>>();
};

}  // namespace kobaru
