// SPDX-License-Identifier: MIT
#include "shell/launcher.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

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

struct Place {
  int left, top, width, height;  // twips
};

QRect pixels(Place p) {
  return pixelRect(Element{"", p.left, p.top, p.width, p.height});
}

QPushButton* menuButton(QWidget* parent, const char* caption, Place place) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setGeometry(pixels(place));
  b->setFont(toQFont({Face::PGothic, 9.75, false}));
  b->setAutoDefault(false);
  b->setAccessibleName(b->text());
  return b;
}

}  // namespace

Launcher::Launcher(Windows& windows)
    : backdrop_(regularPicture(QCoreApplication::applicationDirPath() + "/backdrop.png")) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("kidou"));
  setWindowTitle(QStringLiteral("Kobaru - Tessaly"));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  resize(800, 600);

  Command1 = menuButton(this, "練　習　開　始", {720, 3960, 1815, 1215});
  Command2 = menuButton(this, "使　用　方　法", {2760, 3960, 1815, 495});
  Command3 = menuButton(this, "終　　　　了", {4800, 4680, 1815, 495});
  Command4 = menuButton(this, "バージョン情報", {2760, 4680, 1815, 495});

  Text1 = new QPlainTextEdit(this);
  Text1->setGeometry(pixels({8040, 7200, 3855, 1335}));
  Text1->setReadOnly(true);
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);  // the notice's own line breaks only
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setFont(toQFont({Face::Gothic, 8.25, false}));
  Text1->setStyleSheet(QStringLiteral(
      "QPlainTextEdit { color: #FFFFC0; background: #000000; border: 1px solid #808080; }"));
  Text1->document()->setDocumentMargin(1);
  Text1->setPlainText(QString::fromUtf8(kNotice).replace(QStringLiteral("\r\n"), "\n").chopped(1));
  Text1->setAccessibleName(QStringLiteral("注意事項"));

  Label2 = new QLabel(QStringLiteral("Kobaru　ｖ１．０１"), this);
  Label2->setGeometry(pixels({4680, 1320, 2415, 375}));
  Label2->setFont(toQFont({Face::Gothic, 12, true}));
  Label2->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
  Label2->setAccessibleName(Label2->text());

  connect(Command1, &QPushButton::clicked, this, [&windows] { windows.openPractice(); });
  connect(Command2, &QPushButton::clicked, this, [&windows] { windows.showHelp(); });
  connect(Command3, &QPushButton::clicked, this, [&windows] { windows.exitProgram(); });
  connect(Command4, &QPushButton::clicked, this, [&windows] { windows.showAbout(); });
}

void Launcher::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.drawPixmap(0, 0, backdrop_);
}

}  // namespace kobaru
