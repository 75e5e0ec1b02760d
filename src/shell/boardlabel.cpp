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

void BoardLabel::magnify(const View& view) {
  if (view.factor == factor_) return;
  factor_ = view.factor;
  update();
}

void BoardLabel::leaveRoom(int left, int right) {
  roomLeft_ = left;
  roomRight_ = right;
  update();
}

namespace {

bool isBlank(QChar c) {
  return c == QChar(u' ') || c == QChar(0x3000);
}

// Draws `text` from `from`, condensed across when it is wider than `to` - `from` allows.
void drawFitted(QPainter& p, const QString& text, double from, double to, double height) {
  const double natural = QFontMetricsF(p.font()).horizontalAdvance(text);
  if (text.isEmpty() || !(natural > 0)) return;
  p.save();
  p.translate(from, 0);
  p.scale(std::min(1.0, std::max(0.0, to - from) / natural), 1);
  p.drawText(QRectF(0, 0, natural, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
  p.restore();
}

}  // namespace

void BoardLabel::paintAroundRoom(QPainter& p, const QString& caption) {
  qsizetype start = 0;
  while (start < caption.size() && !isBlank(caption[start])) ++start;
  qsizetype end = start;
  while (end < caption.size() && isBlank(caption[end])) ++end;
  const double left = roomLeft_ / 15.0 * factor_, right = roomRight_ / 15.0 * factor_;
  drawFitted(p, caption.left(start), 0, left, height());
  drawFitted(p, caption.mid(end), right, width(), height());
}

void BoardLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!label_.transparent) p.fillRect(rect(), toQColor(label_.backColor));
  if (label_.border)
    drawOutline(p, rect(), toQColor(kBoxOutline), lineWidth(1, factor_, devicePixelRatioF()));
  if (label_.caption.empty()) return;
  const QFont font = this->font();
  p.setFont(font);
  p.setPen(toQColor(label_.foreColor));
  if (roomLeft_ != roomRight_) {
    paintAroundRoom(p, toQString(label_.caption));
    return;
  }
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
