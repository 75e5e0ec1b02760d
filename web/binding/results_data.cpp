// SPDX-License-Identifier: MIT
#include "results_data.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "json_val.h"
#include "place.h"
#include "presentation/results_chart.h"
#include "presentation/results_text.h"
#include "presentation/results_window.h"
#include "results/summary.h"
#include "utf8.h"
#include "wire/element_json.h"
#include "wire/results_json.h"

namespace kobaru {

namespace {

using emscripten::val;

// A size from the page in whole pixels: what is no size, or no number, is none; what is
// larger than any screen is cut down to one.
int pixels(double size) {
  constexpr double kLargest = 1 << 20;
  return std::isfinite(size) ? static_cast<int>(std::clamp(size, 0.0, kLargest)) : 0;
}

const char* kindName(ChartText::Kind kind) {
  switch (kind) {
    case ChartText::Title:
      return "title";
    case ChartText::Axis:
      return "axis";
    case ChartText::NoLots:
      break;
  }
  return "noLots";
}

}  // namespace

val resultsLayout() {
  val headings = val::array();
  for (const char* h : lotHeadings()) headings.call<void>("push", utf8(h));
  val layout = val::object();
  layout.set("title", utf8(kResultsWindow.title));
  layout.set("width", kResultsWindow.width);
  layout.set("height", kResultsWindow.height);
  layout.set("font", toVal(fontJson(kResultsWindow.font)));
  layout.set("refreshMs", kResultsWindow.refreshMs);
  layout.set("tableName", utf8(kResultsWindow.tableName));
  layout.set("chartHeight", kResultsWindow.chartHeight);
  layout.set("nothingSaved", utf8(kNothingSaved));
  layout.set("hallNothingSaved", utf8(kHallNothingSaved));
  layout.set("copyAll", utf8(kCopyAll));
  layout.set("chartTitle", utf8(kChartTitle));
  layout.set("headings", headings);
  return layout;
}

val resultsView(const Results& results) {
  return toVal(resultsJson(results));
}

val resultsChart(const val& differences, double width, double height) {
  // The points as a results view gives them; what is not one is no point.
  std::vector<WonDifference> points;
  const int count = differences.isArray() ? differences["length"].as<int>() : 0;
  constexpr const char* kFields[] = {"lot", "difference", "percent"};
  for (int i = 0; i < count; ++i) {
    const nlohmann::json p = fieldsOf(differences[i], kFields);
    if (p.value("lot", nlohmann::json()).is_number() &&
        p.value("difference", nlohmann::json()).is_number() &&
        p.value("percent", nlohmann::json()).is_number())
      points.push_back(
          {p["lot"].get<int>(), p["difference"].get<double>(), p["percent"].get<double>()});
  }
  const ResultsChart chart = kobaru::resultsChart(points, pixels(width), pixels(height));
  val texts = val::array();
  for (const ChartText& t : chart.texts) {
    val text = val::object();
    text.set("kind", val(kindName(t.kind)));
    text.set("text", t.text);
    text.set("place", placeOf(t.place));
    text.set("align", val(alignmentName(t.align)));
    text.set("color", t.color);
    texts.call<void>("push", text);
  }
  val bars = val::array();
  for (const ChartBar& b : chart.bars) {
    val bar = val::object();
    bar.set("side", val(b.side == ChartBar::Over ? "over" : "under"));
    bar.set("lot", b.lot);
    bar.set("place", placeOf(b.place));
    bar.set("color", b.color);
    bars.call<void>("push", bar);
  }
  val drawn = val::object();
  drawn.set("background", chart.background);
  drawn.set("frame", chart.frame);
  drawn.set("font", toVal(fontJson(chart.font)));
  drawn.set("texts", texts);
  if (chart.zero) {
    val zero = val::object();
    zero.set("x1", chart.zero->x1);
    zero.set("y1", chart.zero->y1);
    zero.set("x2", chart.zero->x2);
    zero.set("y2", chart.zero->y2);
    zero.set("color", chart.zero->color);
    drawn.set("zero", zero);
  } else {
    drawn.set("zero", val::null());
  }
  drawn.set("bars", bars);
  return drawn;
}

}  // namespace kobaru
