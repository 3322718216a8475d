#pragma once
// The sortable grid of the saved-hand picker: the hands of the hand file as
// rows of text, sorted by a click on a column's header, with several rows
// marked at once (click, Ctrl-click, Shift-click, dragging).
//
// Sorting is stable: rows whose cells compare equal keep the order they had
// before, so a sort by one column and then another orders by both.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTableView>
#include <string>
#include <vector>

#include "handfile/saved_hand_list.h"

namespace tavlo {

// How a column's cells compare: as text without regard to case, or as
// numbers.
enum TSortStyle { ssNormal, ssNumeric };

// The rows as the hand file gives them, in its order.
class SavedHandModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<SavedHandRow> rows);
  void SetHeaders(const QStringList& headers);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<SavedHandRow> rows_;
  QStringList headers_;
};

// Orders the rows by one column in the style in force.
class SortGridProxy : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  TSortStyle SortStyle = ssNormal;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

class TSortGrid : public QTableView {
  Q_OBJECT
 public:
  explicit TSortGrid(QWidget* parent = nullptr);

  // New rows, unselected, in the hand file's order.
  void SetRows(std::vector<SavedHandRow> rows);
  void SetHeaders(const QStringList& headers);
  void SetSortStyle(TSortStyle style) { proxy_->SortStyle = style; }
  // Tells the owner the column first (OnBeginSort), so it can choose the
  // style, then reorders the rows.
  void SortByColumn(int column, Qt::SortOrder direction);
  int SortColumn() const { return sortColumn_; }
  Qt::SortOrder SortDirection() const { return direction_; }

  int RowCount() const;
  // The text of a cell of a row as shown, counting from 0 below the header.
  QString Cell(int column, int row) const;
  bool IsRowSelected(int row) const;
  // The first column of every marked row, top to bottom.
  std::vector<std::string> SelectedBoards() const;

 signals:
  void BeginSort(int column);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A left click sorts ascending, and a second click on the sorted column
  // the other way; a right click sorts descending.
  void HeaderClicked(int column);

  SavedHandModel* model_;
  SortGridProxy* proxy_;
  int sortColumn_ = 0;
  Qt::SortOrder direction_ = Qt::AscendingOrder;
};

}  // namespace tavlo
