#include "table/symbol_cell_delegate.h"

#include <QPainter>

#include "common/symbol_text_painter.h"

namespace tavlo {

SymbolCellDelegate::SymbolCellDelegate(QObject* parent, std::function<int()> language)
    : QStyledItemDelegate(parent), language_(std::move(language)) {}

void SymbolCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  painter->save();
  painter->fillRect(option.rect, GridBack);
  painter->setFont(option.font);
  const QByteArray text = index.data().toString().toUtf8();
  DrawSymbolText(*painter, option.rect.left() + 1, option.rect.top() + 1, PlainStyle, Qt::black,
                 std::string_view(text.constData(), text.size()), language_());
  painter->restore();
}

}  // namespace tavlo
