// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "results/summary.h"

namespace kobaru {

// One trainee of a hall against the others: their session at a glance, their bids, and their
// place, the best first.
struct Standing {
  int bidder = 0;
  std::string name;
  Summary summary;
  int bids = 0;   // every bid that raised or took the right
  int place = 0;  // 1 for the best; trainees alike share a place
};

struct TraineeLots {
  int bidder;
  std::string name;
  const Lots* lots;
};

// Ranked by lots won, then by how far over the guide they paid on average (less is better; a
// trainee without a won lot with a guide after those with one), then by the median reaction to a
// stop (quicker is better); the order of joining breaks a tie for the listing but not the place.
std::vector<Standing> standings(const std::vector<TraineeLots>& trainees);

}  // namespace kobaru
