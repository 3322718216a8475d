#include "table/symbol_cell_delegate.h"

#include <QFontMetrics>
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
  // A text too long for its cell, an explanation, goes on in lines below.
  const int lineHeight = QFontMetrics(option.font).height();
  int top = option.rect.top() + 1;
  for (const QString& line : WrapSymbolText(option.font, PlainStyle, index.data().toString(),
                                            option.rect.width() - 2, language_())) {
    const QByteArray text = line.toUtf8();
    DrawSymbolText(*painter, option.rect.left() + 1, top, PlainStyle, Qt::black,
                   std::string_view(text.constData(), text.size()), language_());
    top += lineHeight;
  }
  painter->restore();
}

}  // namespace tavlo
