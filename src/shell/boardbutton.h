// SPDX-License-Identifier: MIT
#pragma once

#include "practice/elements.h"
#include "shell/flatbutton.h"

namespace kobaru {

// A button of the practice screen. Unlike a plain push button it reports the press and the
// release of any mouse button (the release goes to the pressed button wherever the pointer is
// then), and the click only after the primary button is released over it; Space or Enter on the
// focused button gives the click alone. The trainee's bid button depends on exactly this.
class BoardButton : public FlatButton {
  Q_OBJECT

 public:
  explicit BoardButton(QWidget* parent);
  void apply(const Button& button);

 signals:
  void mouseDown();
  void mouseUp();
  void activated();  // the click

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  Qt::MouseButton held_ = Qt::NoButton;
  bool spaceDown_ = false;
};

}  // namespace kobaru
