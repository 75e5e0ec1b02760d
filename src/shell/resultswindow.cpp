// SPDX-License-Identifier: MIT
#include "shell/resultswindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "results/results_text.h"
#include "results/summary.h"
#include "shell/differencechart.h"
#include "shell/resultstable.h"
#include "shell/style.h"

namespace kobaru {

ResultsWindow::ResultsWindow(const Results& results) : results_(results) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("seiseki"));
  setWindowTitle(QString::fromUtf8(kResultsTitle));
  setFont(toQFont({Face::PGothic, 9.75, false}));
  resize(1100, 640);

  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  // One pair of columns for each group of lines: counts, prices, reactions.
  int rows[3] = {};
  for (const SummaryLine& line : summaryLines(summarize({}))) {
    auto* label = new QLabel(QString::fromStdString(line.label), this);
    auto* value = new QLabel(this);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMinimumWidth(QFontMetrics(font()).horizontalAdvance("+0000.00"));
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    value->setAccessibleName(label->text());
    const int row = rows[line.group]++;
    const int column = 2 * line.group;
    grid->addWidget(label, row, column);
    grid->addWidget(value, row, column + 1);
    summary_.emplace_back(label, value);
  }
  for (int c = 1; c < grid->columnCount(); c += 2) grid->setColumnStretch(c, 1);
  layout->addLayout(grid);

  chart_ = new DifferenceChart(this);
  layout->addWidget(chart_);

  model_ = new ResultsTable(results_, this);
  table_ = new QTableView(this);
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setAccessibleName(QStringLiteral("出品ごとの成績"));
  layout->addWidget(table_, 1);

  // Where a user looks for a save button: nothing is saved; copying is the way to keep it.
  auto* bottom = new QHBoxLayout;
  auto* note = new QLabel(QString::fromUtf8(kNothingSaved), this);
  note->setObjectName(QStringLiteral("nothingSaved"));
  note->setWordWrap(true);
  bottom->addWidget(note, 1);
  auto* copyAll = new QPushButton(QString::fromUtf8(kCopyAll), this);
  copyAll->setObjectName(QStringLiteral("copyAll"));
  connect(copyAll, &QPushButton::clicked, this, [this] {
    table_->clearSelection();
    copy();
  });
  bottom->addWidget(copyAll);
  layout->addLayout(bottom);

  auto* selectAllAction = new QAction(this);
  selectAllAction->setShortcut(QKeySequence::SelectAll);
  connect(selectAllAction, &QAction::triggered, this, &ResultsWindow::selectAll);
  auto* copyAction = new QAction(this);
  copyAction->setShortcut(QKeySequence::Copy);
  connect(copyAction, &QAction::triggered, this, &ResultsWindow::copy);
  addActions({selectAllAction, copyAction});

  connect(&look_, &QTimer::timeout, this, [this] {
    if (results_.revision() != shown_) refresh();
  });
  look_.start(kLookMs);
  refresh();
}

void ResultsWindow::refresh() {
  shown_ = results_.revision();
  const std::vector<SummaryLine> lines = summaryLines(summarize(results_.lots()));
  for (std::size_t i = 0; i < lines.size() && i < summary_.size(); ++i)
    summary_[i].second->setText(QString::fromStdString(lines[i].value));
  chart_->setPoints(wonDifferences(results_.lots()));
  model_->refresh();
}

QString ResultsWindow::copiedText() const {
  std::set<int> rows;
  for (const QModelIndex& i : table_->selectionModel()->selectedIndexes()) rows.insert(i.row());
  if (rows.empty() || static_cast<int>(rows.size()) == model_->rowCount())
    return QString::fromStdString(resultsTsv(results_.lots()));
  std::vector<const LotResult*> lots;
  for (int row : rows) lots.push_back(&model_->lotAt(row));
  return QString::fromStdString(lotsTsv(lots));
}

void ResultsWindow::copy() {
  QApplication::clipboard()->setText(copiedText());
}

void ResultsWindow::selectAll() {
  table_->selectAll();
}

QString ResultsWindow::summaryValue(const QString& label) const {
  for (const auto& [name, value] : summary_)
    if (name->text() == label) return value->text();
  return {};
}

}  // namespace kobaru
