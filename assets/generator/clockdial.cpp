// SPDX-License-Identifier: MIT
// The auction clock's face: the dial the bidders watch, used as a motif in the title and the
// launcher's backdrop.
#include <QPainter>
#include <cmath>
#include <numbers>

#include "assetgen.h"

namespace kobaru::assetgen {

void drawClockDial(QPainter& p, QPointF centre, qreal radius, const QColor& ink) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, radius * 0.07));
  p.drawEllipse(centre, radius, radius);
  // Sixty marks, every fifth one long, like the lamps round a real auction clock.
  for (int i = 0; i < 60; ++i) {
    const bool major = i % 5 == 0;
    const qreal a = 2 * std::numbers::pi * i / 60;
    const QPointF dir(std::sin(a), -std::cos(a));
    p.setPen(QPen(ink, radius * (major ? 0.06 : 0.025), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre + dir * radius * (major ? 0.7 : 0.8), centre + dir * radius * 0.88);
  }
  // The pointer stopped part way round, as when a lot has just been bid on.
  const qreal a = 2 * std::numbers::pi * 0.36;
  p.setPen(QPen(ink, radius * 0.09, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(std::sin(a), -std::cos(a)) * radius * 0.66);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(centre, radius * 0.11, radius * 0.11);
  p.restore();
}

}  // namespace kobaru::assetgen
