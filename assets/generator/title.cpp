// SPDX-License-Identifier: MIT
// title.png, the product logo at the top left of the practice screen: the clock dial and the
// name, bright on dark.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include "assetgen.h"

namespace kobaru::assetgen {

bool writeTitle(const QDir& out) {
  QImage image(176, 34, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, 34);
  ground.setColorAt(0, QColor(0x14, 0x1e, 0x44));
  ground.setColorAt(1, QColor(0x04, 0x07, 0x16));
  p.fillRect(image.rect(), ground);
  p.fillRect(QRectF(36, 31, 136, 1.5), QColor(0xff, 0x8c, 0x1a));

  drawClockDial(p, QPointF(17, 17), 13, QColor(0xff, 0x9a, 0x2a));

  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(25);
  font.setBold(true);
  QPainterPath name;
  name.addText(38, 27, font, QStringLiteral("Kobaru"));
  QLinearGradient chrome(0, 6, 0, 28);
  chrome.setColorAt(0, QColor(0xff, 0xff, 0xff));
  chrome.setColorAt(1, QColor(0xff, 0xd9, 0x8a));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 160));
  p.drawPath(name.translated(1, 1));
  p.setBrush(chrome);
  p.drawPath(name);
  p.end();
  return writeImage(out, QStringLiteral("title.png"), image);
}

}  // namespace kobaru::assetgen
