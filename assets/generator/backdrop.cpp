// SPDX-License-Identifier: MIT
// backdrop.png, behind the launcher: dark navy so its white title, buttons and notice box stay
// readable, with a faint hall floor, auction clock and car for atmosphere.
#include <QLinearGradient>
#include <QPainter>

#include "assetgen.h"

namespace kobaru::assetgen {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr qreal kHorizon = 360;

void drawFloor(QPainter& p) {
  p.save();
  p.setClipRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon));
  p.setPen(QPen(QColor(130, 160, 255, 16), 1));
  const QPointF vanish(kWidth / 2.0, 300);
  for (int i = -10; i <= 10; ++i)
    p.drawLine(vanish, QPointF(kWidth / 2.0 + i * 150, kHeight + 100));
  // Cross joints close up with distance.
  for (qreal step = 6, y = kHorizon + step; y < kHeight; step *= 1.35, y += step)
    p.drawLine(QPointF(0, y), QPointF(kWidth, y));
  p.restore();
}

}  // namespace

bool writeBackdrop(const QDir& out) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(0x10, 0x20, 0x5a));
  sky.setColorAt(1, QColor(0x05, 0x0a, 0x28));
  p.fillRect(image.rect(), sky);
  drawFloor(p);
  drawClockDial(p, QPointF(230, 430), 120, QColor(140, 170, 255, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(140, 170, 255, 22));
  p.drawPath(carSilhouette(Body::Sedan, QPointF(330, 560), 1.0));
  p.end();
  return writeImage(out, QStringLiteral("backdrop.png"), image);
}

}  // namespace kobaru::assetgen
