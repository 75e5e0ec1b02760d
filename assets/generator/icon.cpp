// SPDX-License-Identifier: MIT
// kobaru.png, the program icon: a gavel coming down over a car, on a rounded tile. Designed at
// 48 px, so shapes are few and bold; the larger sizes that menus, software centres and the
// browser edition's home-screen icon want (icons/kobaru-SIZE.png) are the same drawing scaled, as
// its shapes are paths.
#include <QLinearGradient>
#include <QPainter>

#include "assetgen.h"

namespace kobaru::assetgen {

namespace {

// The build lists the sizes, for it installs them.
constexpr int kIconSizes[] = {KOBARU_ICON_SIZES};

void drawGavel(QPainter& p) {
  const QColor orange(0xff, 0x8c, 0x1a);
  p.save();
  p.translate(29, 17);
  p.rotate(-35);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xc8, 0x6a, 0x12));
  p.drawRoundedRect(QRectF(-2, 3, 4, 17), 1.5, 1.5);  // handle
  QLinearGradient shine(0, -6, 0, 6);
  shine.setColorAt(0, orange.lighter(130));
  shine.setColorAt(1, orange.darker(120));
  p.setBrush(shine);
  p.drawRoundedRect(QRectF(-11, -5, 22, 10), 2.5, 2.5);  // head
  p.setBrush(QColor(0x7a, 0x3c, 0x08));
  p.drawRect(QRectF(-7, -5, 2, 10));
  p.drawRect(QRectF(5, -5, 2, 10));
  p.restore();
}

QImage drawIcon(int size) {
  constexpr double kDesigned = 48;
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kDesigned, size / kDesigned);
  QLinearGradient tile(0, 0, 0, kDesigned);
  tile.setColorAt(0, QColor(0x1c, 0x33, 0x80));
  tile.setColorAt(1, QColor(0x08, 0x10, 0x38));
  p.setPen(QPen(QColor(0x5a, 0x78, 0xd0), 1));
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(0.5, 0.5, 47, 47), 9, 9);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xf2, 0xf5, 0xfa));
  p.drawPath(carSilhouette(Body::Hatchback, QPointF(6, 42), 36.0 / carLength(Body::Hatchback)));
  drawGavel(p);
  p.end();
  return image;
}

}  // namespace

bool writeIcon(const QDir& out) {
  if (!writeImage(out, QStringLiteral("kobaru.png"), drawIcon(48))) return false;
  for (const int size : kIconSizes) {
    if (!writeImage(out, QStringLiteral("icons/kobaru-%1.png").arg(size), drawIcon(size)))
      return false;
  }
  return true;
}

}  // namespace kobaru::assetgen
