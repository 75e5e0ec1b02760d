// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPushButton>

#include "presentation/magnification.h"

namespace kobaru {

// A push button painted flat in its own face colour, since on this board a button's colour is a
// signal that a style's shading would wash out. Held down, its edges turn sunken and the caption
// shifts; with the keyboard focus it shows a dotted frame; the face keeps its colour throughout.
class FlatButton : public QPushButton {
 public:
  explicit FlatButton(QWidget* parent, const QString& caption = {});
  void setFace(const QColor& face);
  QColor face() const { return face_; }
  // Edges and the focus frame follow the view's magnification.
  void magnify(const View& view);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor face_;
  double factor_ = 1;
};

}  // namespace kobaru
