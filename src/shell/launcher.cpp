// SPDX-License-Identifier: MIT
#include "shell/launcher.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>

#include "shell/flatbutton.h"
#include "shell/regularfile.h"
#include "shell/style.h"
#include "shell/windows.h"

namespace kobaru {

const char* const Launcher::kNotice =
    "本ソフトは　自動競り機を使用した自動車オークシ\r\n"
    "ョンの模擬応札練習ソフトであり、実際の相場を覚\r\n"
    "えるためのソフトではありません。　　　　　　　　　　\r\n"
    "また、いかなる場合も、実際の競りで起こり得た　\r\n"
    "損害等には当社は一切の責任を負いません。\r\n"
    "各会場によりこのソフトと実際の競り表示が異なる\r\n"
    "場合があります。\r\n";

namespace {

// The backdrop's size, which is the designed area (twips).
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

constexpr Font kMenuFont{Face::PGothic, 9.75, false};

}  // namespace

void Launcher::placed(QWidget* w, Place place, Font font) {
  placed_.push_back({w, place, font});
}

FlatButton* Launcher::menuButton(const char* caption, Place place) {
  auto* b = new FlatButton(this, QString::fromUtf8(caption));
  b->setAccessibleName(b->text());
  placed(b, place, kMenuFont);
  return b;
}

Launcher::Launcher(Windows& windows)
    : backdrop_(regularPicture(QCoreApplication::applicationDirPath() + "/backdrop.png")) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("kidou"));
  setWindowTitle(QStringLiteral("Kobaru - Tessaly"));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  resize(kDesignedWidth / 15, kDesignedHeight / 15);

  Command1 = menuButton("練　習　開　始", {720, 3960, 1815, 1215});
  Command2 = menuButton("使　用　方　法", {2760, 3960, 1815, 495});
  Command3 = menuButton("終　　　　了", {4800, 4680, 1815, 495});
  Command4 = menuButton("バージョン情報", {2760, 4680, 1815, 495});
  Command5 = menuButton("練習成績", {4800, 3960, 1815, 495});
  Command5->setVisible(windows.practised());

  Text1 = new QPlainTextEdit(this);
  placed(Text1, {8040, 7200, 3855, 1335}, {Face::Gothic, 8.25, false});
  Text1->setReadOnly(true);
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);  // the notice's own line breaks only
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setStyleSheet(QStringLiteral(
      "QPlainTextEdit { color: #FFFFC0; background: #000000; border: 1px solid #808080; }"));
  Text1->document()->setDocumentMargin(1);
  Text1->setPlainText(QString::fromUtf8(kNotice).replace(QStringLiteral("\r\n"), "\n").chopped(1));
  Text1->setAccessibleName(QStringLiteral("注意事項"));

  Label2 = new QLabel(QStringLiteral("Kobaru　ｖ１．０１"), this);
  placed(Label2, {4680, 1320, 2415, 375}, {Face::Gothic, 12, true});
  Label2->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
  Label2->setAccessibleName(Label2->text());

  connect(Command1, &QPushButton::clicked, this, [&windows] { windows.openPractice(); });
  connect(Command2, &QPushButton::clicked, this, [&windows] { windows.showHelp(); });
  connect(Command3, &QPushButton::clicked, this, [&windows] { windows.exitProgram(); });
  connect(Command4, &QPushButton::clicked, this, [&windows] { windows.showAbout(); });
  connect(Command5, &QPushButton::clicked, this, [&windows] { windows.showResults(); });
  magnify();
}

void Launcher::magnify() {
  view_ = viewOf(kDesignedWidth, kDesignedHeight, size());
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
  p.drawPixmap(QRectF(magnifiedRect(0, 0, kDesignedWidth, kDesignedHeight, view_)), backdrop_,
               QRectF(backdrop_.rect()));
}

}  // namespace kobaru
