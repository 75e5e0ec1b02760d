// SPDX-License-Identifier: MIT
#include "shell/style.h"

#include <cmath>

namespace kobaru {

namespace {
constexpr int kTwipsPerPixel = 15;
}

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

QFont toQFont(const Font& f) {
  QFont font;
  font.setFamilies(familiesOf(f.face));
  // Sizes are points at 96 dpi; pixels keep them in step with the places, which are pixels too.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.size * 96.0 / 72.0))));
  font.setBold(f.bold);
  return font;
}

QRect pixelRect(const Element& e) {
  return {e.left / kTwipsPerPixel, e.top / kTwipsPerPixel, e.width / kTwipsPerPixel,
          e.height / kTwipsPerPixel};
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
