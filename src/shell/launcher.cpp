// SPDX-License-Identifier: MIT
#include "shell/launcher.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <algorithm>
#include <string_view>

#include "presentation/twips.h"
#include "shell/flatbutton.h"
#include "shell/regularfile.h"
#include "shell/style.h"
#include "shell/windows.h"

namespace kobaru {

void Launcher::placed(QWidget* w, const LauncherPlace& place, const Font& font) {
  placed_.push_back({w, place, font});
}

void Launcher::placed(QWidget* w, const LauncherText& t) {
  w->setAccessibleName(QString::fromUtf8(t.accessibleName));
  placed(w, t.place, t.font);
}

FlatButton* Launcher::menuButton(const char* name, Windows& windows) {
  const auto& menu = kLauncher.menu;
  const auto m = std::ranges::find_if(
      menu, [name](const MenuButton& b) { return std::string_view(b.name) == name; });
  auto* b = new FlatButton(this, QString::fromUtf8(m->caption));
  b->setAccessibleName(b->text());
  b->setVisible(!m->afterPractice || windows.practised());
  placed(b, m->place, kLauncher.menuFont);
  connect(b, &QPushButton::clicked, this,
          [&windows, action = m->action] { windows.perform(action); });
  return b;
}

Launcher::Launcher(Windows& windows)
    : backdrop_(regularPicture(QCoreApplication::applicationDirPath() + "/backdrop.png")) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("kidou"));
  setWindowTitle(QString::fromUtf8(kLauncher.caption));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  resize(kLauncher.designedWidth / kTwipsPerPixel, kLauncher.designedHeight / kTwipsPerPixel);

  Command1 = menuButton("Command1", windows);
  Command2 = menuButton("Command2", windows);
  Command3 = menuButton("Command3", windows);
  Command4 = menuButton("Command4", windows);
  Command5 = menuButton("Command5", windows);

  const LauncherText& notice = kLauncher.notice;
  Text1 = new QPlainTextEdit(this);
  placed(Text1, notice);
  Text1->setReadOnly(true);
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);  // the notice's own line breaks only
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setStyleSheet(QStringLiteral("QPlainTextEdit { color: %1; background: #000000; border: "
                                      "1px solid #808080; }")
                           .arg(toQColor(notice.foreColor).name()));
  Text1->document()->setDocumentMargin(1);
  QStringList lines;
  for (std::string_view line : noticeLines())
    lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  Text1->setPlainText(lines.join('\n'));

  const LauncherText& title = kLauncher.title;
  Label2 = new QLabel(QString::fromUtf8(title.text), this);
  placed(Label2, title);
  Label2->setStyleSheet(
      QStringLiteral("color: %1; background: transparent;").arg(toQColor(title.foreColor).name()));

  magnify();
}

void Launcher::magnify() {
  view_ = viewOf(kLauncher.designedWidth, kLauncher.designedHeight, size());
  for (const Placed& p : placed_) {
    p.widget->setGeometry(
        magnifiedRect(p.place.left, p.place.top, p.place.width, p.place.height, view_));
    p.widget->setFont(toQFont(p.font, view_.factor));
    if (auto* b = dynamic_cast<FlatButton*>(p.widget)) b->magnify(view_);
  }
}

void Launcher::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  magnify();
}

void Launcher::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(
      QRectF(magnifiedRect(0, 0, kLauncher.designedWidth, kLauncher.designedHeight, view_)),
      backdrop_, QRectF(backdrop_.rect()));
}

}  // namespace kobaru
