// SPDX-License-Identifier: MIT
#include "shell/boardline.h"

#include <QPainter>

#include "shell/style.h"

namespace kobaru {

BoardLine::BoardLine(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardLine::apply(const Line& line) {
  line_ = line;
  const QRect box = pixelRect(line).normalized();
  const int pad = line.borderWidth;
  setGeometry(box.adjusted(-pad, -pad, pad, pad));
  update();
}

void BoardLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QPen pen(toQColor(line_.borderColor), line_.borderWidth, Qt::SolidLine, Qt::SquareCap);
  p.setPen(pen);
  const QPoint origin = geometry().topLeft();
  p.drawLine(QPoint(line_.x1 / 15, line_.y1 / 15) - origin,
             QPoint(line_.x2 / 15, line_.y2 / 15) - origin);
}

}  // namespace kobaru
