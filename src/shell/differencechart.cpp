// SPDX-License-Identifier: MIT
#include "shell/differencechart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "practice/numbers.h"
#include "results/results_text.h"
#include "shell/style.h"

namespace kobaru {

namespace {
constexpr int kBarWidth = 8;
constexpr int kGap = 3;
constexpr int kMargin = 6;
const QColor kOver(0xD0, 0x30, 0x30);   // paid more than the guide
const QColor kUnder(0x30, 0x70, 0xD0);  // paid less
}  // namespace

DifferenceChart::DifferenceChart(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(130);
  setAccessibleName(QString::fromUtf8(kChartTitle));
}

void DifferenceChart::setPoints(std::vector<WonDifference> points) {
  points_ = std::move(points);
  update();
}

void DifferenceChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  const QFontMetrics fm(font());
  const QRect title(kMargin, kMargin, width() - 2 * kMargin, fm.height());
  p.setPen(Qt::black);
  p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(kChartTitle));
  const QRect area(kMargin + fm.horizontalAdvance("+00.0") + kMargin, title.bottom() + kMargin,
                   width() - 3 * kMargin - fm.horizontalAdvance("+00.0"),
                   height() - title.bottom() - 2 * kMargin);
  if (points_.empty()) {
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(area, Qt::AlignCenter, QString::fromUtf8(kNoWonLots));
    return;
  }
  const int fits = std::max(1, area.width() / (kBarWidth + kGap));
  const auto first = points_.end() - std::min<std::ptrdiff_t>(fits, std::ssize(points_));
  double largest = 0;
  for (auto it = first; it != points_.end(); ++it)
    largest = std::max(largest, std::abs(it->difference));
  if (!(largest > 0)) largest = 1;
  const int zero = area.center().y();
  const double scale = (area.height() / 2.0 - 1) / largest;

  p.setPen(QColor(0x60, 0x60, 0x60));
  const auto axisLabel = [&](int y, const QString& text) {
    p.drawText(QRect(kMargin, y - fm.height() / 2, area.left() - 2 * kMargin, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, text);
  };
  const QString top = QString::fromStdString("+" + priceText(largest));
  axisLabel(area.top() + fm.height() / 2, top);
  axisLabel(zero, QStringLiteral("0"));
  axisLabel(area.bottom() - fm.height() / 2, QString::fromStdString("-" + priceText(largest)));
  p.drawLine(area.left(), zero, area.right(), zero);

  int x = area.left();
  for (auto it = first; it != points_.end(); ++it, x += kBarWidth + kGap) {
    const int h = static_cast<int>(std::lround(std::abs(it->difference) * scale));
    const bool over = it->difference > 0;
    const QRect bar = over ? QRect(x, zero - h, kBarWidth, h) : QRect(x, zero + 1, kBarWidth, h);
    p.fillRect(bar, over ? kOver : kUnder);
  }
}

}  // namespace kobaru
