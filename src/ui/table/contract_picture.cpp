#include "table/contract_picture.h"

#include <QPainter>

#include "common/symbol_text_painter.h"
#include "model/bid_text.h"

namespace tavlo {

QString ContractPictureText(const AuctionState& state, const QString& passCaption,
                            const QString& byCaption, const QString& declarerName) {
  // A passed-out hand still names the declarer its hand record gives.
  const QString contract =
      state.ContractBid == Pass
          ? QString(passCaption).remove('&')
          : QString::fromStdString(BidLongText(state.ContractBid, state.Doubling));
  return contract + " " + byCaption + " " + declarerName;
}

ContractPicture::ContractPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("ContractPicture");
  QFont pictureFont = font();
  pictureFont.setPointSize(11);
  setFont(pictureFont);
  setFixedSize(180, 22);
}

void ContractPicture::FillBidBuf(const AuctionState& state, const QColor& back,
                                 const QString& passCaption, const QString& byCaption,
                                 const QString& declarerName, int language) {
  text_ = ContractPictureText(state, passCaption, byCaption, declarerName);
  setAccessibleName(SymbolPlainText(text_, language));
  back_ = back;
  language_ = language;
  update();
}

void ContractPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  painter.setFont(font());
  const QByteArray text = text_.toUtf8();
  DrawSymbolText(painter, 0, 0, PlainStyle, Qt::black,
                 std::string_view(text.constData(), text.size()), language_);
}

}  // namespace tavlo
