// SPDX-License-Identifier: MIT
#include "server/journal.h"

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "practice/random.h"
#include "wire/session_json.h"

namespace kobaru {

namespace {

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> f;
  std::stringstream s(line);
  for (std::string field; std::getline(s, field, '\t');) f.push_back(field);
  return f;
}

}  // namespace

Journal::Journal(const std::string& path, std::optional<std::uint64_t> seed,
                 const std::filesystem::path& site) {
  if (path.empty()) return;
  out_.open(path, std::ios::trunc);
  line("seed\t" + std::to_string(seed.value_or(0)) + '\t' + site.string());
}

void Journal::line(const std::string& text) {
  if (!out_.is_open()) return;
  out_ << text << '\n';
  out_.flush();  // a test reads it while the hall goes on
}

void Journal::join(std::int64_t t, const std::string& name) {
  line("join\t" + std::to_string(t) + '\t' + nlohmann::json(name).dump());
}

void Journal::back(std::int64_t t, int bidder) {
  line("back\t" + std::to_string(t) + '\t' + std::to_string(bidder));
}

void Journal::leave(std::int64_t t, int bidder) {
  line("leave\t" + std::to_string(t) + '\t' + std::to_string(bidder));
}

void Journal::bidder(std::int64_t t, int bidder, const Input& in) {
  line("bidder\t" + std::to_string(t) + '\t' + std::to_string(bidder) + '\t' +
       inputJson(in).dump());
}

void Journal::operatorInput(std::int64_t t, const Input& in) {
  line("operator\t" + std::to_string(t) + '\t' + inputJson(in).dump());
}

Replayed replayJournal(std::istream& in) {
  Replayed r;
  std::string text;
  if (!std::getline(in, text)) return r;
  const auto seed = fields(text);
  if (seed.size() != 3 || seed[0] != "seed") return r;
  r.platform = std::make_unique<SitePlatform>(seed[2]);
  auto& hall = r.hall;
  while (std::getline(in, text)) {
    const auto f = fields(text);
    if (f.size() < 3) continue;
    const std::int64_t t = std::stoll(f[1]);
    // The hall was made at its first event's time.
    if (!hall)
      hall = std::make_unique<HallSession>(*r.platform, seededRnd(std::stoull(seed[1])), t);
    if (f[0] == "join") {
      hall->join(nlohmann::json::parse(f[2]).get<std::string>());
    } else if (f[0] == "back") {
      hall->comeBack(std::stoi(f[2]));
    } else if (f[0] == "leave") {
      hall->leave(std::stoi(f[2]), t);
    } else if (f[0] == "bidder" && f.size() == 4) {
      hall->bidderInput(std::stoi(f[2]), inputFrom(nlohmann::json::parse(f[3])), t);
    } else if (f[0] == "operator") {
      hall->operatorInput(inputFrom(nlohmann::json::parse(f[2])), t);
    }
  }
  return r;
}

}  // namespace kobaru
