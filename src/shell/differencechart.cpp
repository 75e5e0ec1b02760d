// SPDX-License-Identifier: MIT
#include "shell/differencechart.h"

#include <QPainter>

#include "presentation/results_chart.h"
#include "presentation/results_text.h"
#include "presentation/results_window.h"
#include "shell/style.h"

namespace kobaru {

namespace {

QRect toQRect(const ChartRect& r) {
  return {r.left, r.top, r.width, r.height};
}

}  // namespace

DifferenceChart::DifferenceChart(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(kResultsWindow.chartHeight);
  setAccessibleName(QString::fromUtf8(kChartTitle));
}

void DifferenceChart::setPoints(std::vector<WonDifference> points) {
  points_ = std::move(points);
  update();
}

void DifferenceChart::paintEvent(QPaintEvent*) {
  const ResultsChart chart = resultsChart(points_, width(), height());
  QPainter p(this);
  p.fillRect(rect(), toQColor(chart.background));
  drawOutline(p, QRectF(rect()), toQColor(chart.frame), 1);
  p.setFont(toQFont(chart.font));
  for (const ChartText& t : chart.texts) {
    p.setPen(toQColor(t.color));
    p.drawText(toQRect(t.place), toQAlignment(t.align) | Qt::AlignVCenter, toQString(t.text));
  }
  if (chart.zero) {
    p.setPen(toQColor(chart.zero->color));
    p.drawLine(chart.zero->x1, chart.zero->y1, chart.zero->x2, chart.zero->y2);
  }
  for (const ChartBar& bar : chart.bars) p.fillRect(toQRect(bar.place), toQColor(bar.color));
}

}  // namespace kobaru
