// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <string>

#include "hall/hall_session.h"
#include "server/site_platform.h"

namespace kobaru {

// Everything a hall's session was given, one line each with its wall time, so that the same
// hall can be played again elsewhere: a seeded hall given the same lines shows every viewer the
// same screen. Lines are tab-separated:
//   seed <n> <the site's folder>
//   join <t> <name as a JSON string>    back <t> <bidder>    leave <t> <bidder>
//   bidder <t> <bidder> <input as JSON>  operator <t> <input as JSON>
class Journal {
 public:
  // Nothing is written without a file.
  Journal(const std::string& path, std::optional<std::uint64_t> seed,
          const std::filesystem::path& site);
  void join(std::int64_t t, const std::string& name);
  void back(std::int64_t t, int bidder);
  void leave(std::int64_t t, int bidder);
  void bidder(std::int64_t t, int bidder, const Input& in);
  void operatorInput(std::int64_t t, const Input& in);
  bool writing() const { return out_.is_open(); }

 private:
  void line(const std::string& text);
  std::ofstream out_;
};

// A journal played into a new hall on the site it names; no hall when its first line is not a
// seed.
struct Replayed {
  std::unique_ptr<SitePlatform> platform;
  std::unique_ptr<HallSession> hall;
};
Replayed replayJournal(std::istream& in);

}  // namespace kobaru
