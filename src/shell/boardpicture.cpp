// SPDX-License-Identifier: MIT
#include "shell/boardpicture.h"

#include <QPainter>

#include "shell/regularfile.h"
#include "shell/style.h"

namespace kobaru {

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardPicture::apply(const Picture& picture) {
  if (picture.picture == path_) return;
  path_ = picture.picture;
  pixmap_ = regularPicture(toQString(path_));
  update();
}

void BoardPicture::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(rect(), pixmap_);
}

}  // namespace kobaru
