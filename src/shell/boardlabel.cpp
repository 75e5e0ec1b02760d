// SPDX-License-Identifier: MIT
#include "shell/boardlabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "presentation/twips.h"
#include "shell/style.h"

namespace kobaru {

BoardLabel::BoardLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardLabel::apply(const DisplayedElement& label) {
  label_ = std::get<Label>(label.state);
  wholeLines_ = label.wholeLines;
  aroundBox_ = label.aroundBox;
  update();
}

void BoardLabel::magnify(const View& view) {
  if (view.factor == factor_) return;
  factor_ = view.factor;
  update();
}

namespace {

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

void BoardLabel::paintAroundBox(QPainter& p, const CaptionAroundBox& around) {
  const double left = double(around.left) / kTwipsPerPixel * factor_;
  const double right = double(around.right) / kTwipsPerPixel * factor_;
  drawFitted(p, toQString(around.before), 0, left, height());
  drawFitted(p, toQString(around.after), right, width(), height());
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
  if (aroundBox_) {
    paintAroundBox(p, *aroundBox_);
    return;
  }
  const int lines = wholeLines_ * QFontMetrics(font).lineSpacing();
  p.setClipRect(0, 0, width(), wholeLines_ > 0 ? std::min(height(), lines) : height());
  p.drawText(rect(), int(toQAlignment(label_.alignment) | Qt::AlignTop | Qt::TextWordWrap),
             toQString(label_.caption));
}

}  // namespace kobaru
