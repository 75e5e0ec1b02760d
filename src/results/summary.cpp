// SPDX-License-Identifier: MIT
// The session summary: counts of the lots, the prices paid against the guide, the reactions.
#include "results/summary.h"

#include <algorithm>
#include <vector>

namespace kobaru {

namespace {

ReactionSummary reactions(std::vector<std::int64_t> ms) {
  ReactionSummary s;
  s.count = static_cast<int>(ms.size());
  if (ms.empty()) return s;
  std::sort(ms.begin(), ms.end());
  const std::size_t mid = ms.size() / 2;
  s.medianMs = ms.size() % 2 ? static_cast<double>(ms[mid]) : (ms[mid - 1] + ms[mid]) / 2.0;
  s.bestMs = ms.front();
  return s;
}

struct Spread {
  std::optional<double> average, best, worst;
};

Spread spread(const std::vector<double>& values) {
  if (values.empty()) return {};
  double sum = 0;
  for (double v : values) sum += v;
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  return {sum / static_cast<double>(values.size()), *lo, *hi};
}

}  // namespace

std::vector<WonDifference> wonDifferences(const Lots& lots) {
  std::vector<WonDifference> points;
  for (const LotResult& r : lots) {
    if (!wonByTrainee(r)) continue;
    if (const auto d = differenceToGuide(r))
      points.push_back({r.lot, *d, *differenceToGuidePercent(r)});
  }
  return points;
}

Summary summarize(const Lots& lots) {
  Summary s;
  std::vector<std::int64_t> starts, stops, retakes;
  for (const LotResult& r : lots) {
    ++s.seen;
    if (r.bids > 0) ++s.bidOn;
    if (wonByTrainee(r)) ++s.won;
    if (r.bids > 0 && (r.outcome == Outcome::WonByOther || r.outcome == Outcome::CutOffToOther))
      ++s.lostAfterBidding;
    if (r.outcome == Outcome::NoSale) ++s.noSale;
    if (r.startReactionMs) starts.push_back(*r.startReactionMs);
    stops.insert(stops.end(), r.stopReactionsMs.begin(), r.stopReactionsMs.end());
    retakes.insert(retakes.end(), r.retakeReactionsMs.begin(), r.retakeReactionsMs.end());
  }
  std::vector<double> differences, percents;
  for (const WonDifference& w : wonDifferences(lots)) {
    differences.push_back(w.difference);
    percents.push_back(w.percent);
  }
  s.wonWithGuide = static_cast<int>(differences.size());
  const Spread d = spread(differences);
  s.averageDifference = d.average;
  s.bestDifference = d.best;
  s.worstDifference = d.worst;
  const Spread p = spread(percents);
  s.averagePercent = p.average;
  s.bestPercent = p.best;
  s.worstPercent = p.worst;
  s.start = reactions(std::move(starts));
  s.stop = reactions(std::move(stops));
  s.retake = reactions(std::move(retakes));
  return s;
}

}  // namespace kobaru
