#pragma once
// How the table's grids draw a cell: its marked-up text ("4~S X") in black
// with suit symbols, one pixel in from the left edge, on the grids' grey.

#include <QColor>
#include <QStyledItemDelegate>
#include <functional>

namespace tavlo {

inline const QColor GridBack(192, 192, 192);

class SymbolCellDelegate : public QStyledItemDelegate {
 public:
  // language gives the language whose no-trump sign the cells show.
  SymbolCellDelegate(QObject* parent, std::function<int()> language);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  std::function<int()> language_;
};

}  // namespace tavlo
