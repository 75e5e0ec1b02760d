// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace kobaru {

// One page's connection as a hall sees it: messages go out in the order sent; closing it ends
// the connection once what was sent before has gone.
class Peer {
 public:
  virtual ~Peer() = default;
  virtual void send(std::shared_ptr<const std::string> message) = 0;
  // `reason`: why, for a connection closed for what it did ("" when it is simply done with).
  virtual void close(std::string_view reason = {}) = 0;
};

}  // namespace kobaru
