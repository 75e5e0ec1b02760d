// SPDX-License-Identifier: MIT
#include "hall/standings.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace kobaru {

namespace {

auto rankKey(const Standing& s) {
  constexpr double kNone = std::numeric_limits<double>::infinity();
  return std::make_tuple(-s.summary.won, s.summary.averagePercent.value_or(kNone),
                         s.summary.stop.medianMs.value_or(kNone));
}

}  // namespace

std::vector<Standing> standings(const std::vector<TraineeLots>& trainees) {
  std::vector<Standing> all;
  for (const TraineeLots& t : trainees) {
    Standing& s = all.emplace_back();
    s.bidder = t.bidder;
    s.name = t.name;
    s.summary = summarize(*t.lots);
    for (const LotResult& lot : *t.lots) s.bids += lot.bids;
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const Standing& a, const Standing& b) { return rankKey(a) < rankKey(b); });
  for (std::size_t i = 0; i < all.size(); ++i)
    all[i].place = i > 0 && rankKey(all[i]) == rankKey(all[i - 1]) ? all[i - 1].place
                                                                   : static_cast<int>(i) + 1;
  return all;
}

}  // namespace kobaru
