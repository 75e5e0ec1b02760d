// SPDX-License-Identifier: MIT
#include "wire/results_json.h"

#include "presentation/results_text.h"
#include "results/summary.h"

namespace kobaru {

nlohmann::json resultsJson(const Results& results) {
  using nlohmann::json;
  const Lots& lots = results.lots();
  json summary = json::array();
  for (const SummaryColumn& column : summaryColumns(summarize(lots))) {
    json lines = json::array();
    for (const SummaryLine& line : column.lines)
      lines.push_back({{"label", line.label}, {"value", line.value}});
    summary.push_back(std::move(lines));
  }
  json rows = json::array();
  for (auto it = lots.rbegin(); it != lots.rend(); ++it) rows.push_back(lotCells(*it));
  json differences = json::array();
  for (const WonDifference& d : wonDifferences(lots))
    differences.push_back({{"lot", d.lot}, {"difference", d.difference}, {"percent", d.percent}});
  return {{"revision", static_cast<double>(results.revision())},
          {"summary", std::move(summary)},
          {"rows", std::move(rows)},
          {"differences", std::move(differences)}};
}

}  // namespace kobaru
