#include "dialogs/sort_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <cmath>
#include <optional>

namespace tavlo {

namespace {

constexpr int Columns = 4;

std::optional<double> NumberIn(const QString& cell) {
  bool ok = false;
  const double value = cell.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return {};
  return value;
}

}  // namespace

void SavedHandModel::SetRows(std::vector<SavedHandRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void SavedHandModel::SetHeaders(const QStringList& headers) {
  headers_ = headers;
  emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
}

int SavedHandModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SavedHandModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Columns;
}

QVariant SavedHandModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const SavedHandRow& row = rows_[static_cast<std::size_t>(index.row())];
  const std::string* cells[Columns] = {&row.Board, &row.Contract, &row.Score, &row.Comment};
  return QString::fromStdString(*cells[index.column()]);
}

QVariant SavedHandModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= headers_.size())
    return {};
  return headers_[section];
}

bool SortGridProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const QString a = left.data().toString(), b = right.data().toString();
  if (SortStyle == ssNormal) return a.toLower() < b.toLower();
  // A cell that is no number ("-" of a lesson hand) comes after the numbers
  // and ties with its kind, so the numbers among them still come in order.
  const auto x = NumberIn(a), y = NumberIn(b);
  if (x && y) return *x < *y;
  return x.has_value() && !y.has_value();
}

TSortGrid::TSortGrid(QWidget* parent)
    : QTableView(parent), model_(new SavedHandModel(this)), proxy_(new SortGridProxy(this)) {
  // Rows are ordered only when asked, from the order they have.
  proxy_->setDynamicSortFilter(false);
  proxy_->setSourceModel(model_);
  setModel(proxy_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  header->setHighlightSections(false);
  header->setStretchLastSection(true);
  header->viewport()->installEventFilter(this);
  connect(header, &QHeaderView::sectionClicked, this, &TSortGrid::HeaderClicked);
}

void TSortGrid::SetRows(std::vector<SavedHandRow> rows) {
  model_->SetRows(std::move(rows));
  clearSelection();
}

void TSortGrid::SetHeaders(const QStringList& headers) { model_->SetHeaders(headers); }

void TSortGrid::SortByColumn(int column, Qt::SortOrder direction) {
  emit BeginSort(column);
  sortColumn_ = column;
  direction_ = direction;
  proxy_->sort(column, direction);
  horizontalHeader()->setSortIndicator(column, direction);
}

void TSortGrid::HeaderClicked(int column) {
  const bool again = column == sortColumn_ && direction_ == Qt::AscendingOrder;
  SortByColumn(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

bool TSortGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int column = horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
    if (mouse->button() == Qt::RightButton && column >= 0) {
      SortByColumn(column, Qt::DescendingOrder);
      return true;
    }
  }
  return QTableView::eventFilter(watched, event);
}

int TSortGrid::RowCount() const { return proxy_->rowCount(); }

QString TSortGrid::Cell(int column, int row) const {
  return proxy_->index(row, column).data().toString();
}

bool TSortGrid::IsRowSelected(int row) const { return selectionModel()->isRowSelected(row, {}); }

std::vector<std::string> TSortGrid::SelectedBoards() const {
  std::vector<std::string> boards;
  for (int row = 0; row < RowCount(); ++row) {
    if (IsRowSelected(row)) boards.push_back(Cell(0, row).toStdString());
  }
  return boards;
}

}  // namespace tavlo
