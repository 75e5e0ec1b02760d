// SPDX-License-Identifier: MIT
#include "shell/flatbutton.h"

#include <QPainter>
#include <algorithm>

#include "shell/style.h"

namespace kobaru {

namespace {
constexpr Color kLitEdge = 0xFFFFFF;
constexpr Color kShadowEdge = 0x404040;
constexpr double kFocusInset = 3;  // designed pixels inside the edge
}  // namespace

FlatButton::FlatButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setFace(toQColor(kButtonFace));
}

void FlatButton::setFace(const QColor& face) {
  if (face == face_) return;
  face_ = face;
  // The palette says the same, for whatever reads a button's colours from it.
  QPalette pal = palette();
  pal.setColor(QPalette::Button, face);
  pal.setColor(QPalette::ButtonText, Qt::black);
  setPalette(pal);
  update();
}

void FlatButton::magnify(const View& view) {
  if (view.factor == factor_) return;
  factor_ = view.factor;
  update();
}

void FlatButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF r = rect();
  p.fillRect(r, face_);
  const double ratio = devicePixelRatioF();
  const double edge = lineWidth(1, factor_, ratio);
  const bool down = isDown();
  // Raised: lit above and left, shaded below and right; held down, the other way round.
  const QColor topLeft = toQColor(down ? kShadowEdge : kLitEdge);
  const QColor bottomRight = toQColor(down ? kLitEdge : kShadowEdge);
  p.fillRect(QRectF(r.left(), r.top(), r.width(), edge), topLeft);
  p.fillRect(QRectF(r.left(), r.top(), edge, r.height()), topLeft);
  p.fillRect(QRectF(r.left(), r.bottom() - edge, r.width(), edge), bottomRight);
  p.fillRect(QRectF(r.right() - edge, r.top(), edge, r.height()), bottomRight);

  const double shift = down ? edge : 0;
  p.setFont(font());
  p.setPen(palette().color(QPalette::ButtonText));
  p.drawText(r.translated(shift, shift), Qt::AlignCenter | Qt::TextWordWrap, text());

  if (hasFocus()) {
    const double inset = std::max(edge, kFocusInset * factor_);
    QPen dotted(Qt::black, lineWidth(1, factor_, ratio), Qt::DotLine);
    p.setPen(dotted);
    p.setBrush(Qt::NoBrush);
    const double half = dotted.widthF() / 2;
    p.drawRect(r.adjusted(inset + half, inset + half, -inset - half, -inset - half));
  }
}

}  // namespace kobaru
