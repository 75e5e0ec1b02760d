// SPDX-License-Identifier: MIT
#include "shell/helpwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>

#include "presentation/help_window.h"
#include "presentation/twips.h"
#include "shell/style.h"

namespace kobaru {

namespace {

constexpr int kMargin = 100 / kTwipsPerPixel;
constexpr int kIndent = 50 / kTwipsPerPixel;
constexpr int kGap = 15 / kTwipsPerPixel;

const char kMissingPage[] =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "</head><body><h2>ページを表示できません</h2><p>%1</p></body></html>";

}  // namespace

QVariant ManualBrowser::loadResource(int type, const QUrl& name) {
  const QVariant found = QTextBrowser::loadResource(type, name);
  if (type != QTextDocument::HtmlResource || found.isValid()) return found;
  const QString where =
      name.isLocalFile() ? QDir::toNativeSeparators(name.toLocalFile()) : name.toString();
  return QString::fromUtf8(kMissingPage).arg(where.toHtmlEscaped()).toUtf8();
}

HelpWindow::HelpWindow(const QString& programDirectory) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("help"));
  setWindowTitle(QString::fromUtf8(kHelpWindow.caption));
  resize(kHelpWindow.width, kHelpWindow.height);

  tbToolBar = new QToolBar(this);
  QAction* back =
      tbToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"));
  QAction* forward = tbToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                          QStringLiteral("Forward"));
  tbToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

  picAddress = new QWidget(this);
  lblAddress = new QLabel(QStringLiteral("ｱﾄﾞﾚｽ(&A):"), picAddress);
  cboAddress = new QComboBox(picAddress);
  cboAddress->setEditable(true);
  cboAddress->setInsertPolicy(QComboBox::NoInsert);  // the list keeps the start page only
  lblAddress->setBuddy(cboAddress);
  Command1 = new QPushButton(QStringLiteral("閉　じ　る"), picAddress);

  brwWebBrowser = new ManualBrowser(this);
  brwWebBrowser->setOpenLinks(true);
  brwWebBrowser->setOpenExternalLinks(false);
  brwWebBrowser->setAccessibleName(QStringLiteral("使用方法の本文"));
  cboAddress->setAccessibleName(QStringLiteral("アドレス"));

  const Font font{Face::PGothic, 9.75, false};
  for (QWidget* w : {static_cast<QWidget*>(lblAddress), static_cast<QWidget*>(cboAddress),
                     static_cast<QWidget*>(Command1)})
    w->setFont(toQFont(font));

  connect(back, &QAction::triggered, brwWebBrowser, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, brwWebBrowser, &QTextBrowser::forward);
  connect(brwWebBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(brwWebBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  // A choice from the list, or Enter in the box, goes to the address in the box.
  connect(cboAddress, &QComboBox::activated, this, [this] { navigate(cboAddress->currentText()); });
  connect(cboAddress->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { navigate(cboAddress->currentText()); });
  connect(Command1, &QPushButton::clicked, this, &QWidget::close);

  StartingAddress = QDir::toNativeSeparators(QDir(programDirectory).filePath("help/index.htm"));
  cboAddress->addItem(StartingAddress);
  cboAddress->setEditText(StartingAddress);
  navigate(StartingAddress);
}

void HelpWindow::navigate(const QString& address) {
  const QString text = address.trimmed();
  if (text.isEmpty()) return;
  const QUrl url = QUrl::fromUserInput(text, QDir::currentPath(), QUrl::AssumeLocalFile);
  brwWebBrowser->setSource(url, QTextDocument::HtmlResource);
}

void HelpWindow::resizeEvent(QResizeEvent*) {
  const int width = this->width();
  tbToolBar->setGeometry(0, 0, width, tbToolBar->sizeHint().height());
  const int labelHeight = lblAddress->sizeHint().height();
  const int boxHeight = cboAddress->sizeHint().height();
  picAddress->setGeometry(0, tbToolBar->height(), width, labelHeight + kGap + boxHeight + kGap);
  lblAddress->setGeometry(kIndent, 0, lblAddress->sizeHint().width(), labelHeight);
  const QSize close = Command1->sizeHint();
  Command1->setGeometry(width - kMargin - close.width(), 0, close.width(), labelHeight);
  cboAddress->setGeometry(kIndent, lblAddress->y() + labelHeight + kGap, width - 2 * kMargin,
                          boxHeight);
  const int top = picAddress->y() + picAddress->height();
  brwWebBrowser->setGeometry(kIndent, top, width - 2 * kMargin, height() - top - kMargin);
}

}  // namespace kobaru
