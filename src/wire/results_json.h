// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

#include "results/results.h"

namespace kobaru {

// The 練習成績 window's contents: {revision, summary (columns of {label, value}), rows (newest
// lot first), differences (the chart's points: {lot, difference, percent}, oldest first)}.
nlohmann::json resultsJson(const Results& results);

}  // namespace kobaru
