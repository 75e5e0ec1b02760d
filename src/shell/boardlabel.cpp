// SPDX-License-Identifier: MIT
#include "shell/boardlabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "shell/style.h"

namespace kobaru {

BoardLabel::BoardLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardLabel::apply(const Label& label) {
  label_ = label;
  update();
}

void BoardLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!label_.transparent) p.fillRect(rect(), toQColor(label_.backColor));
  if (label_.border) {
    p.setPen(toQColor(kBoxOutline));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (label_.caption.empty()) return;
  const QFont font = toQFont(label_.font);
  p.setFont(font);
  p.setPen(toQColor(label_.foreColor));
  // A caption wider than its label wraps; of the wrapped lines, only those that (nearly) fit are
  // shown after the first, so no sliver of a line peeks out below.
  const int lineHeight = QFontMetrics(font).lineSpacing();
  const int wholeLines = (height() + lineHeight / 4) / lineHeight;
  p.setClipRect(0, 0, width(),
                wholeLines > 0 ? std::min(height(), wholeLines * lineHeight) : height());
  p.drawText(rect(), int(toQAlignment(label_.alignment) | Qt::AlignTop | Qt::TextWordWrap),
             toQString(label_.caption));
}

}  // namespace kobaru
