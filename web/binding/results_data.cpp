// SPDX-License-Identifier: MIT
#include "results_data.h"

#include <cmath>
#include <string>

#include "practice/numbers.h"
#include "results/results_text.h"
#include "results/summary.h"
#include "utf8.h"

namespace kobaru {

using emscripten::val;

val resultsTexts() {
  val headings = val::array();
  for (const char* h : lotHeadings()) headings.call<void>("push", utf8(h));
  val texts = val::object();
  texts.set("title", utf8(kResultsTitle));
  texts.set("nothingSaved", utf8(kNothingSaved));
  texts.set("copyAll", utf8(kCopyAll));
  texts.set("chartTitle", utf8(kChartTitle));
  texts.set("noWonLots", utf8(kNoWonLots));
  texts.set("headings", headings);
  return texts;
}

val resultsView(const Results& results) {
  const Lots& lots = results.lots();
  val summary = val::array();
  for (const SummaryLine& line : summaryLines(summarize(lots))) {
    val l = val::object();
    l.set("label", line.label);
    l.set("value", line.value);
    l.set("group", static_cast<int>(line.group));
    summary.call<void>("push", l);
  }
  val rows = val::array();
  for (auto it = lots.rbegin(); it != lots.rend(); ++it) {
    val cells = val::array();
    for (const std::string& c : lotCells(*it)) cells.call<void>("push", c);
    rows.call<void>("push", cells);
  }
  val points = val::array();
  for (const WonDifference& w : wonDifferences(lots)) {
    val p = val::object();
    p.set("lot", w.lot);
    p.set("difference", w.difference);
    p.set("text", priceText(std::abs(w.difference)));
    points.call<void>("push", p);
  }
  val view = val::object();
  view.set("revision", static_cast<double>(results.revision()));
  view.set("summary", summary);
  view.set("rows", rows);
  view.set("points", points);
  return view;
}

}  // namespace kobaru
