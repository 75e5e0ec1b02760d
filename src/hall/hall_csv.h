// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "results/lot_result.h"

namespace kobaru {

// One lot of one trainee, as the hall's results list it.
struct TraineeLot {
  int bidder;
  std::string name;
  const LotResult* lot;
};

// One line of the hall's results: whose lot, and its cells as the results window shows them.
struct NamedCells {
  std::string name;
  std::vector<std::string> cells;
};
NamedCells namedCells(const TraineeLot& lot);

// The heading of the trainees' names before the lots' own headings.
inline constexpr char kNameHeading[] = "名前";

// The hall's results as comma-separated text: a heading line (名前 and the lots' headings), then
// a line a lot; a cell holding a comma, a quote or a line break is quoted, and one a spreadsheet
// would take for a formula (a name "=1+1") is quoted and begun with an apostrophe, so that it
// reads as the text it is. Lines end in CRLF, as spreadsheet programs write them.
std::string hallCsv(const std::vector<NamedCells>& lots);

}  // namespace kobaru
