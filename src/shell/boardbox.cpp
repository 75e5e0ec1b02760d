// SPDX-License-Identifier: MIT
#include "shell/boardbox.h"

#include <QPainter>

#include "shell/style.h"

namespace kobaru {

namespace {
// The text sits just inside the outline, as in an edit box (designed pixels).
constexpr double kPadX = 2;
constexpr double kPadTop = 1;
}  // namespace

BoardBox::BoardBox(QWidget* parent) : QWidget(parent) {}

void BoardBox::apply(const TextBox& box) {
  box_ = box;
  setAccessibleDescription(toQString(box.text));  // what the box shows now
  update();
}

void BoardBox::magnify(const View& view) {
  if (view.factor == factor_) return;
  factor_ = view.factor;
  update();
}

QString BoardBox::text() const {
  return toQString(box_.text);
}

void BoardBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF r = rect();
  p.fillRect(r, toQColor(box_.backColor));
  if (!box_.text.empty()) {
    p.setFont(font());
    p.setPen(toQColor(box_.foreColor));
    // The big price digits fill their boxes edge to edge; the outline is drawn over them.
    const double padX = kPadX * factor_, padTop = kPadTop * factor_;
    p.drawText(r.adjusted(padX, padTop, -padX, 0),
               int(toQAlignment(box_.alignment) | Qt::AlignTop | Qt::TextDontClip),
               toQString(box_.text));
  }
  drawOutline(p, r, toQColor(kBoxOutline), lineWidth(1, factor_, devicePixelRatioF()));
}

}  // namespace kobaru
