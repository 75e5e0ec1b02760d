// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <string>

#include "hall/hall_session.h"

namespace kobaru {

// Everything a hall's session was given, one line each with its wall time, so that the same
// hall can be played again elsewhere: a seeded hall given the same lines shows every viewer the
// same screen. Lines are tab-separated:
//   seed <n>
//   join <t> <name as a JSON string>    back <t> <bidder>    leave <t> <bidder>
//   bidder <t> <bidder> <input as JSON>  operator <t> <input as JSON>
class Journal {
 public:
  // Nothing is written without a file.
  Journal(const std::string& path, std::optional<std::uint64_t> seed);
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

// Plays a journal into a new hall on `platform`; nothing when its first line is not a seed.
std::unique_ptr<HallSession> replayJournal(std::istream& in, PlatformQuestions& platform);

}  // namespace kobaru
