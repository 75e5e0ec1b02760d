// SPDX-License-Identifier: MIT
#include "shell/boardline.h"

#include <QPainter>
#include <cmath>

#include "shell/style.h"

namespace kobaru {

BoardLine::BoardLine(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardLine::apply(const Line& line) {
  line_ = line;
  place();
}

void BoardLine::magnify(const View& view) {
  view_ = view;
  place();
}

void BoardLine::place() {
  const QRect box = magnifiedRect(line_, view_).normalized();
  const int pad = int(std::ceil(lineWidth(line_.borderWidth, view_.factor, devicePixelRatioF())));
  setGeometry(box.adjusted(-pad, -pad, pad, pad));
  update();
}

void BoardLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPen pen(toQColor(line_.borderColor),
                 lineWidth(line_.borderWidth, view_.factor, devicePixelRatioF()), Qt::SolidLine,
                 Qt::SquareCap);
  p.setPen(pen);
  const QPointF origin = geometry().topLeft();
  p.drawLine(magnifiedPoint(line_.x1, line_.y1, view_) - origin,
             magnifiedPoint(line_.x2, line_.y2, view_) - origin);
}

}  // namespace kobaru
