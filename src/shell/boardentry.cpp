// SPDX-License-Identifier: MIT
#include "shell/boardentry.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/style.h"

namespace kobaru {

BoardEntry::BoardEntry(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
}

void BoardEntry::apply(const TextBox& box) {
  const QString text = toQString(box.text);
  if (this->text() != text) setText(text);
  setReadOnly(box.locked);
  setAlignment(toQAlignment(box.alignment) | Qt::AlignVCenter);
  const QString sheet = QStringLiteral(
                            "QLineEdit { color: %1; background: %2; border: 1px solid %3; "
                            "padding: 0px; }")
                            .arg(toQColor(box.foreColor).name(), toQColor(box.backColor).name(),
                                 toQColor(kBoxOutline).name());
  if (styleSheet() != sheet) setStyleSheet(sheet);
}

void BoardEntry::keyPressEvent(QKeyEvent* e) {
  // Characters only, as typed; editing keys such as the arrows just edit.
  const QString typed = e->text();
  if (!typed.isEmpty() && typed.at(0).unicode() >= 0x20 && typed.at(0) != QChar(0x7F)) {
    for (char32_t c : typed.toUcs4()) emit keyTyped(c);
  } else if (e->key() == Qt::Key_Backspace) {
    emit keyTyped(U'\b');
  }
  QLineEdit::keyPressEvent(e);
}

void BoardEntry::mouseReleaseEvent(QMouseEvent* e) {
  QLineEdit::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clickedInto();
}

}  // namespace kobaru
