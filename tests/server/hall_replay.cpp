// SPDX-License-Identifier: MIT
// Plays a hall's journal (kobaru-hall --seed N --journal FILE) again natively and prints what the
// core gives each viewer's record for the same events, as JSON:
//   {"operator": text, "trainees": {"1": text, ...}}
// The browser test compares every page's record with it.
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

#include "server/journal.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kobaru_hall_replay JOURNAL\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  kobaru::Replayed r = kobaru::replayJournal(in);
  if (!r.hall) {
    std::cerr << "kobaru_hall_replay: " << argv[1] << " is no journal of a seeded hall\n";
    return 1;
  }
  const auto recordOf = [](const std::vector<kobaru::DisplayedElement>& all) {
    for (const auto& d : all)
      if (d.element().name == "ousatu") return std::get<kobaru::TextBox>(d.state).text;
    return std::string();
  };
  nlohmann::json out = {{"operator", recordOf(r.hall->operatorAll())},
                        {"trainees", nlohmann::json::object()}};
  for (int bidder = 1; !r.hall->nameOf(bidder).empty(); ++bidder)
    out["trainees"][std::to_string(bidder)] = recordOf(r.hall->bidderAll(bidder));
  std::cout << out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  return 0;
}
