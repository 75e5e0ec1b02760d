// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "results/lot_result.h"

namespace kobaru {

// The median and the best (shortest) of one kind of reaction time, in milliseconds.
struct ReactionSummary {
  int count = 0;
  std::optional<double> medianMs;
  std::optional<std::int64_t> bestMs;
};

// The session at a glance.
struct Summary {
  int seen = 0;              // lots started
  int bidOn = 0;             // lots with a bid of the trainee
  int won = 0;               // by decision or at a cut-off
  int lostAfterBidding = 0;  // bid on, then awarded to another buyer
  int noSale = 0;
  // The difference to the guide over the won lots that have a guide: ten-thousands of yen and
  // percent. Best is the lowest price against the guide, worst the highest.
  int wonWithGuide = 0;
  std::optional<double> averageDifference, bestDifference, worstDifference;
  std::optional<double> averagePercent, bestPercent, worstPercent;
  ReactionSummary start, stop, retake;
};

Summary summarize(const Lots& lots);

// Each won lot with a guide and its difference to it (ten-thousands of yen), oldest first: the
// points of the results chart.
struct WonDifference {
  int lot;
  double difference;
  double percent;
};
std::vector<WonDifference> wonDifferences(const Lots& lots);

}  // namespace kobaru
