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
  emit pointerDown(static_cast<int>(e->button()), e->button() == Qt::LeftButton);
}

void BoardButton::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  emit pointerUp(static_cast<int>(e->button()), rect().contains(e->position().toPoint()));
}

// The button stays down while held, wherever the pointer goes: leaving it is not a release.
void BoardButton::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
}

// A double click is a second press, as far as the trainee's hand is concerned.
void BoardButton::mouseDoubleClickEvent(QMouseEvent* e) {
  mousePressEvent(e);
}

namespace {

// Space and Enter (either Enter key) as the session names them; 0 for any other key.
int sessionKey(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Space:
      return ' ';
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return '\r';
    default:
      return 0;
  }
}

}  // namespace

void BoardButton::keyPressEvent(QKeyEvent* e) {
  const int key = sessionKey(e);
  if (!key) {
    FlatButton::keyPressEvent(e);
    return;
  }
  e->accept();
  emit keyDown(key, e->isAutoRepeat());
}

void BoardButton::keyReleaseEvent(QKeyEvent* e) {
  const int key = sessionKey(e);
  if (!key) {
    FlatButton::keyReleaseEvent(e);
    return;
  }
  e->accept();
  emit keyUp(key, e->isAutoRepeat());
}

}  // namespace kobaru
