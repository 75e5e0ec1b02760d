// SPDX-License-Identifier: MIT
#include "shell/style.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "presentation/twips.h"

namespace kobaru {

QColor toQColor(Color c) {
  return QColor::fromRgb(QRgb(0xFF000000u | (c & 0xFFFFFFu)));
}

QStringList familiesOf(Face face) {
  switch (face) {
    case Face::Gothic:
      return {"IPAGothic", "Noto Sans Mono CJK JP", "Noto Sans CJK JP"};
    case Face::PMincho:
      return {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"};
    case Face::PGothic:
    case Face::Default:
      break;
  }
  return {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"};
}

QFont toQFont(const Font& f, double factor) {
  QFont font;
  font.setFamilies(familiesOf(f.face));
  // Sizes are points at 96 dpi; pixels keep them in step with the places, which are pixels too.
  // Whole pixels, rounded down when magnified, so a caption never grows wider than its place.
  const double designed = std::round(f.size * 96.0 / 72.0);
  font.setPixelSize(std::max(1, static_cast<int>(std::floor(designed * factor + 1e-9))));
  font.setBold(f.bold);
  return font;
}

QPointF magnifiedPoint(double x, double y, const View& view) {
  return {view.left + x / kTwipsPerPixel * view.factor,
          view.top + y / kTwipsPerPixel * view.factor};
}

QRect magnifiedRect(double left, double top, double width, double height, const View& view) {
  const QPointF from = magnifiedPoint(left, top, view);
  const QPointF to = magnifiedPoint(left + width, top + height, view);
  const int x = int(std::lround(from.x())), y = int(std::lround(from.y()));
  return {x, y, int(std::lround(to.x())) - x, int(std::lround(to.y())) - y};
}

QRect magnifiedRect(const Element& e, const View& view) {
  return magnifiedRect(e.left, e.top, e.width, e.height, view);
}

View viewOf(int designedW, int designedH, QSize client) {
  return fitDesigned(double(designedW) / kTwipsPerPixel, double(designedH) / kTwipsPerPixel,
                     client.width(), client.height());
}

double lineWidth(double designedPixels, double factor, double devicePixelRatio) {
  const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
  return std::max(1.0, std::round(designedPixels * factor * ratio)) / ratio;
}

void drawOutline(QPainter& p, const QRectF& r, const QColor& colour, double width) {
  const double w = std::min({width, r.width() / 2, r.height() / 2});
  if (!(w > 0)) return;
  p.fillRect(QRectF(r.left(), r.top(), r.width(), w), colour);
  p.fillRect(QRectF(r.left(), r.bottom() - w, r.width(), w), colour);
  p.fillRect(QRectF(r.left(), r.top() + w, w, r.height() - 2 * w), colour);
  p.fillRect(QRectF(r.right() - w, r.top() + w, w, r.height() - 2 * w), colour);
}

QString toQString(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Qt::Alignment toQAlignment(Align a) {
  switch (a) {
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

}  // namespace kobaru
