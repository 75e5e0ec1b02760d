// SPDX-License-Identifier: MIT
// Lot pictures gazou/<lot>.jpg: each lot's car standing in the auction hall. The program draws
// its captions over the top band and its score board over the bottom fifth, so those stay
// dark and plain, and the car stands in the middle.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <iterator>

#include "assetgen.h"

namespace kobaru::assetgen {

namespace {

constexpr int kWidth = 367;
constexpr int kHeight = 275;
constexpr qreal kFloorLine = 168;  // where the wall meets the floor
constexpr qreal kGround = 214;     // where the tyres stand
constexpr qreal kScale = 1.0;
constexpr int kFirstLot = 1001;

struct Lot {
  Body body;
  QRgb paint;
};

constexpr Lot kLots[] = {
    {Body::Sedan, 0xe9e9e4},    {Body::Hatchback, 0xc0262d}, {Body::Wagon, 0xa9afb6},
    {Body::Minivan, 0x22406f},  {Body::Kei, 0x8fcad6},       {Body::Suv, 0x2f5d46},
    {Body::Coupe, 0xe6b31e},    {Body::Pickup, 0x1d1e21},    {Body::Van, 0xcdbd9a},
    {Body::KeiTruck, 0xf0f0ec}, {Body::Compact, 0xe07a1f},   {Body::Crossover, 0x6d1f2e},
};
static_assert(std::size(kLots) == KOBARU_LOT_PICTURES, "the build lists one picture per lot");

void drawHall(QPainter& p) {
  QLinearGradient wall(0, 0, 0, kFloorLine);
  wall.setColorAt(0, QColor(0x14, 0x19, 0x22));
  wall.setColorAt(1, QColor(0x33, 0x3b, 0x47));
  p.fillRect(QRectF(0, 0, kWidth, kFloorLine), wall);
  p.setPen(QPen(QColor(255, 255, 255, 10), 1));
  for (qreal x = 23; x < kWidth; x += 46) p.drawLine(QPointF(x, 0), QPointF(x, kFloorLine));
  p.fillRect(QRectF(0, kFloorLine - 7, kWidth, 7), QColor(0x1b, 0x20, 0x28));

  QLinearGradient floor(0, kFloorLine, 0, kHeight);
  floor.setColorAt(0, QColor(0x55, 0x5a, 0x61));
  floor.setColorAt(0.55, QColor(0x2c, 0x2f, 0x35));
  floor.setColorAt(1, QColor(0x16, 0x18, 0x1c));
  p.fillRect(QRectF(0, kFloorLine, kWidth, kHeight - kFloorLine), floor);
  // Joints in the floor run towards a point above the car, giving the hall some depth.
  p.save();
  p.setClipRect(QRectF(0, kFloorLine, kWidth, kHeight - kFloorLine));
  p.setPen(QPen(QColor(255, 255, 255, 16), 1));
  const QPointF vanish(kWidth / 2.0, 40);
  for (int i = -6; i <= 6; ++i) p.drawLine(vanish, QPointF(kWidth / 2.0 + i * 90, kHeight + 40));
  p.restore();

  // A warm spotlight on the car.
  QRadialGradient spot(QPointF(kWidth / 2.0, 150), 200);
  spot.setColorAt(0, QColor(255, 236, 200, 58));
  spot.setColorAt(1, QColor(255, 236, 200, 0));
  p.fillRect(QRectF(0, 0, kWidth, kHeight), spot);
}

QImage lotPicture(const Lot& lot) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawHall(p);
  const qreal front = (kWidth - carLength(lot.body) * kScale) / 2;
  drawCar(p, lot.body, QColor(lot.paint), QPointF(front, kGround), kScale);
  return image;
}

}  // namespace

bool writeLotPictures(const QDir& out) {
  for (size_t i = 0; i < std::size(kLots); ++i) {
    const QString name = QStringLiteral("gazou/%1.jpg").arg(kFirstLot + static_cast<int>(i));
    if (!writeImage(out, name, lotPicture(kLots[i]), 90)) return false;
  }
  return true;
}

}  // namespace kobaru::assetgen
