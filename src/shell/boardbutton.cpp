// SPDX-License-Identifier: MIT
#include "shell/boardbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/style.h"

namespace kobaru {

BoardButton::BoardButton(QWidget* parent) : FlatButton(parent) {}

void BoardButton::apply(const Button& button) {
  setText(toQString(button.caption));
  setFace(toQColor(button.backColor));
}

void BoardButton::mousePressEvent(QMouseEvent* e) {
  e->accept();
  if (held_ != Qt::NoButton) return;  // a second button while one is held adds nothing
  held_ = e->button();
  setFocus(Qt::MouseFocusReason);
  setDown(true);
  emit mouseDown();
}

void BoardButton::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != held_) return;
  held_ = Qt::NoButton;
  setDown(false);
  const bool over = rect().contains(e->position().toPoint());
  emit mouseUp();
  if (over && e->button() == Qt::LeftButton) emit activated();
}

// The button stays down while held, wherever the pointer goes: leaving it is not a release.
void BoardButton::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
}

// A double click is a second press, as far as the trainee's hand is concerned.
void BoardButton::mouseDoubleClickEvent(QMouseEvent* e) {
  mousePressEvent(e);
}

void BoardButton::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Space:
      if (!e->isAutoRepeat()) spaceDown_ = true;
      e->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      e->accept();
      if (!e->isAutoRepeat()) emit activated();
      return;
    default:
      FlatButton::keyPressEvent(e);
  }
}

void BoardButton::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() != Qt::Key_Space) {
    FlatButton::keyReleaseEvent(e);
    return;
  }
  e->accept();
  if (e->isAutoRepeat() || !spaceDown_) return;
  spaceDown_ = false;
  emit activated();
}

}  // namespace kobaru
