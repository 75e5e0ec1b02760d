// SPDX-License-Identifier: MIT
#include "shell/recordbox.h"

#include <QScrollBar>
#include <QTextCursor>

#include "shell/style.h"

namespace kobaru {

RecordBox::RecordBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  // The trainee may select and copy the record, by mouse or by keyboard.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void RecordBox::apply(const TextBox& box) {
  setFocusPolicy(box.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  const QString sheet =
      QStringLiteral("QPlainTextEdit { color: %1; background: %2; border: 1px solid %3; }")
          .arg(toQColor(box.foreColor).name(), toQColor(box.backColor).name(),
               toQColor(kBoxOutline).name());
  if (styleSheet() != sheet) setStyleSheet(sheet);
  // Lines are kept as the record writes them, CR LF between; the box shows one line for each.
  // A record that only grew gets its new lines appended: rewriting the whole box on every line
  // costs more the longer the record is.
  if (box.text == shown_) return;
  const bool grew =
      box.text.size() > shown_.size() && box.text.compare(0, shown_.size(), shown_) == 0;
  QString added = toQString(grew ? box.text.substr(shown_.size()) : box.text);
  added.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (grew) {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(added);
  } else {
    setPlainText(added);
  }
  shown_ = box.text;
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

}  // namespace kobaru
