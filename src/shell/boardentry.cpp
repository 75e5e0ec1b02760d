// SPDX-License-Identifier: MIT
#include "shell/boardentry.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/style.h"

namespace kobaru {

BoardEntry::BoardEntry(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  // An edit that no typed character reported (pasting, cutting, deleting, by key or by the
  // context menu, or a drop) runs the key handler once all the same, as typing does.
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (keyReported_) return;
    if (keyEditing_) {
      editedByKey_ = true;
    } else {
      emit keyTyped(U'\0');
    }
  });
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
  // Characters as typed, reported before they go in, even into a locked entry; editing keys
  // such as the arrows, and shortcuts such as Ctrl+C, just do their work.
  const QString typed = e->text();
  const bool shortcut = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  keyReported_ = false;
  if (!shortcut && !typed.isEmpty() && typed.at(0).unicode() >= 0x20 &&
      typed.at(0) != QChar(0x7F)) {
    for (char32_t c : typed.toUcs4()) emit keyTyped(c);
    keyReported_ = true;
  } else if (e->key() == Qt::Key_Backspace) {
    emit keyTyped(U'\b');
    keyReported_ = true;
  }
  keyEditing_ = true;
  editedByKey_ = false;
  QLineEdit::keyPressEvent(e);
  keyEditing_ = false;
  keyReported_ = false;
  // Ctrl+V, Ctrl+X, Delete and the like: reported once the edit is made, with the key's own
  // control character (0x16 for Ctrl+V).
  if (editedByKey_) emit keyTyped(typed.isEmpty() ? U'\0' : typed.toUcs4().front());
}

void BoardEntry::mouseReleaseEvent(QMouseEvent* e) {
  QLineEdit::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clickedInto();
}

}  // namespace kobaru
