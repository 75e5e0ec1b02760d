// SPDX-License-Identifier: MIT
// libFuzzer over the hall's handling of what pages send: each input is a sequence of messages,
// each from one of four pages (which may also drop and come again), run through the message
// parser and one hall. Whatever comes, the hall answers or closes; nothing crashes, leaks or
// reads what it should not.
//
// An input: chunks separated by 0xFF (never a byte of UTF-8); a chunk's first byte chooses the
// page (its low two bits) and, with its top bit set, drops that page first; the rest is the
// message's text. The hall's trainer's key is 32 zeros.
#include <boost/asio/io_context.hpp>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "server/hall.h"

namespace {

struct SilentPeer : kobaru::Peer {
  void send(std::shared_ptr<const std::string>) override {}
  void close(std::string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  boost::asio::io_context io;  // never run: no timer fires, the messages alone drive the hall
  kobaru::HallSettings settings;
  settings.id = std::string(32, 'a');
  settings.key = std::string(32, '0');
  settings.joinAddress = "http://127.0.0.1:8081/join.html?hall=" + settings.id;
  settings.site = ".";
  settings.seed = 1;
  kobaru::Hall hall(io, settings, [](kobaru::Hall::Ending) {});
  std::unique_ptr<SilentPeer> pages[4];
  for (auto& p : pages) {
    p = std::make_unique<SilentPeer>();
    hall.connected(*p);
  }
  std::size_t at = 0;
  while (at < all.size()) {
    const std::size_t end = std::min(all.find('\xFF', at), all.size());
    const std::string_view chunk = all.substr(at, end - at);
    at = end + 1;
    if (chunk.empty()) continue;
    const auto choice = static_cast<unsigned char>(chunk.front());
    auto& page = pages[choice & 3];
    if (choice & 0x80) {
      hall.disconnected(*page);
      page = std::make_unique<SilentPeer>();
      hall.connected(*page);
    }
    kobaru::parseClientMessage(chunk.substr(1));
    hall.message(*page, chunk.substr(1));
  }
  return 0;
}
