// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QToolBar;

namespace kobaru {

// The manual's page view: local pages as the files are; a page that cannot be read shows the
// viewer's own short notice instead.
class ManualBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;
};

// The manual viewer `help`: the HTML manual beside the program, with Back and Forward and an
// address box.
class HelpWindow : public QWidget {
 public:
  // `programDirectory` holds the manual under help/.
  explicit HelpWindow(const QString& programDirectory);

  QString StartingAddress;
  QToolBar* tbToolBar;
  QWidget* picAddress;
  QLabel* lblAddress;
  QComboBox* cboAddress;
  ManualBrowser* brwWebBrowser;
  QPushButton* Command1;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  void navigate(const QString& address);
};

}  // namespace kobaru
