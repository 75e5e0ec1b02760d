// SPDX-License-Identifier: MIT
#pragma once

#include "practice/elements.h"
#include "shell/flatbutton.h"

namespace kobaru {

// A button of the practice screen. It reports the hand raw (any mouse button's press, its
// release wherever the pointer is then, Space and Enter going down and up) and leaves the press,
// release and click to the session; it is drawn down while the session says it is held.
class BoardButton : public FlatButton {
  Q_OBJECT

 public:
  explicit BoardButton(QWidget* parent);
  void apply(const Button& button);

 signals:
  void pointerDown(int pointer, bool primary);
  void pointerUp(int pointer, bool over);
  void keyDown(int key, bool repeat);  // ' ' or '\r'
  void keyUp(int key, bool repeat);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
};

}  // namespace kobaru
