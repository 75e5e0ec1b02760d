// SPDX-License-Identifier: MIT
#include "shell/about.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "presentation/about_layout.h"
#include "shell/regularfile.h"
#include "shell/style.h"

namespace kobaru {

namespace {

QLabel* text(const QString& s, const Font& font, QWidget* parent) {
  auto* l = new QLabel(s, parent);
  l->setFont(toQFont(font));
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

}  // namespace

AboutWindow::AboutWindow() {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("about"));
  setWindowTitle(QString::fromUtf8(kAbout.caption));

  auto* icon = new QLabel(this);
  icon->setPixmap(regularPicture(QCoreApplication::applicationDirPath() + "/kobaru.png"));
  icon->setFixedSize(48, 48);

  auto* title = text(QString::fromUtf8(kAbout.product), {Face::PGothic, 24, true}, this);
  auto* heading = new QHBoxLayout;
  heading->addWidget(icon);
  heading->addSpacing(12);
  heading->addWidget(title);
  heading->addStretch();

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);

  Command1 = new QPushButton(QString::fromUtf8(kAbout.close), this);
  Command1->setFont(toQFont({Face::PGothic, 9.75, false}));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &QWidget::close);

  const Font body{Face::PGothic, 10.5, false};
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(20, 16, 20, 16);
  column->addLayout(heading);
  column->addWidget(text(QString::fromUtf8(kAbout.description), body, this));
  column->addSpacing(10);
  column->addWidget(
      text(QString::fromUtf8(kAbout.makerHeading), {Face::PGothic, 10.5, true}, this));
  for (const char* line : kAbout.maker)
    column->addWidget(text(QString::fromUtf8(line), body, this));
  column->addSpacing(8);
  column->addWidget(rule);
  column->addWidget(Command1, 0, Qt::AlignRight);
  setFixedSize(sizeHint().expandedTo(QSize(kAbout.width, 0)));
}

}  // namespace kobaru
