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

#include "presentation/results_text.h"
#include "presentation/results_window.h"
#include "results/summary.h"
#include "shell/differencechart.h"
#include "shell/resultstable.h"
#include "shell/style.h"

namespace kobaru {

ResultsWindow::ResultsWindow(const Results& results) : results_(results) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("seiseki"));
  setWindowTitle(QString::fromUtf8(kResultsWindow.title));
  setFont(toQFont(kResultsWindow.font));
  resize(kResultsWindow.width, kResultsWindow.height);

  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  // Each column of the summary is a pair of grid columns: the labels and their values.
  const std::vector<SummaryColumn> columns = summaryColumns(summarize({}));
  for (std::size_t c = 0; c < columns.size(); ++c) {
    for (std::size_t row = 0; row < columns[c].lines.size(); ++row) {
      const SummaryLine& line = columns[c].lines[row];
      auto* label = new QLabel(QString::fromStdString(line.label), this);
      auto* value = new QLabel(this);
      value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      value->setTextInteractionFlags(Qt::TextSelectableByMouse);
      value->setMinimumWidth(QFontMetrics(font()).horizontalAdvance("+0000.00"));
      QFont bold = value->font();
      bold.setBold(true);
      value->setFont(bold);
      value->setAccessibleName(label->text());
      grid->addWidget(label, static_cast<int>(row), 2 * static_cast<int>(c));
      grid->addWidget(value, static_cast<int>(row), 2 * static_cast<int>(c) + 1);
      summary_.emplace_back(label, value);
    }
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
  table_->setAccessibleName(QString::fromUtf8(kResultsWindow.tableName));
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
  look_.start(kResultsWindow.refreshMs);
  refresh();
}

void ResultsWindow::refresh() {
  shown_ = results_.revision();
  std::size_t i = 0;
  for (const SummaryColumn& column : summaryColumns(summarize(results_.lots())))
    for (const SummaryLine& line : column.lines)
      if (i < summary_.size()) summary_[i++].second->setText(QString::fromStdString(line.value));
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
