// SPDX-License-Identifier: MIT
#include "shell/boardbox.h"

#include <QPainter>

#include "shell/style.h"

namespace kobaru {

namespace {
// The text sits just inside the outline, as in an edit box.
constexpr int kPadX = 2;
constexpr int kPadTop = 1;
}  // namespace

BoardBox::BoardBox(QWidget* parent) : QWidget(parent) {}

void BoardBox::apply(const TextBox& box) {
  box_ = box;
  setAccessibleDescription(toQString(box.text));  // what the box shows now
  update();
}

QString BoardBox::text() const {
  return toQString(box_.text);
}

void BoardBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), toQColor(box_.backColor));
  if (!box_.text.empty()) {
    p.setFont(toQFont(box_.font));
    p.setPen(toQColor(box_.foreColor));
    // The big price digits fill their boxes edge to edge; the outline is drawn over them.
    p.drawText(rect().adjusted(kPadX, kPadTop, -kPadX, 0),
               int(toQAlignment(box_.alignment) | Qt::AlignTop | Qt::TextDontClip),
               toQString(box_.text));
  }
  p.setPen(toQColor(kBoxOutline));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace kobaru
