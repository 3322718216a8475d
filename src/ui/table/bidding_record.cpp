#include "table/bidding_record.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

#include "common/desk_scaler.h"
#include "common/spoken_names.h"
#include "common/symbol_text_painter.h"
#include "model/bid_text.h"
#include "table/symbol_cell_delegate.h"

namespace tavlo {
namespace {

constexpr int ColumnWidth = 59, RowHeight = 18, EmptyRows = 3, HeaderHeight = 18;
// Seat headers from left to right: West, North, East, South.
constexpr std::array<SeatCode, 4> SeatOfColumn{West, North, East, South};

// What an alert line explains: the text after its "=", or all of it.
QString AlertExplanation(const std::string& alertLine) {
  const auto equals = alertLine.find('=');
  return QString::fromStdString(equals == std::string::npos ? alertLine
                                                            : alertLine.substr(equals + 1));
}

}  // namespace

BidReviewGrid::BidReviewGrid(QWidget* parent) : QTableWidget(EmptyRows, 4, parent) {
  setObjectName("BidReview");
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(ColumnWidth);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(RowHeight);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setShowGrid(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont cellFont = font();
  cellFont.setPointSize(11);
  setFont(cellFont);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, GridBack);
  setPalette(colours);
  setItemDelegate(new SymbolCellDelegate(this, [this] { return language_; }));
  const int frame = 2 * frameWidth();
  setFixedWidth(4 * ColumnWidth + verticalScrollBar()->sizeHint().width() + frame);
}

void BidReviewGrid::SetCallCaptions(const QString& redouble, const QString& dbl,
                                    const QString& pass) {
  callCaptions_ = {redouble, dbl, pass};
  viewport()->update();
}

void BidReviewGrid::SetLanguage(int language) {
  language_ = language;
  viewport()->update();
}

QString BidReviewGrid::BidCaption(Bid code) const {
  if (code <= Pass) return callCaptions_[code];
  return QString::fromStdString(BidSymbolText(code));
}

void BidReviewGrid::ShowAuction(const AuctionState& state) {
  clearSpans();
  clearContents();
  const int auctionRows = static_cast<int>(state.AuctionGrid.size());
  const int lines = static_cast<int>(state.AlertLines.size());
  setRowCount(std::max(EmptyRows, auctionRows + lines));
  int alert = 0;
  for (int row = 0; row < auctionRows; ++row) {
    for (int column = 0; column < 4; ++column) {
      const AuctionCell& cell = state.AuctionGrid[row][column];
      QString text;
      if (cell.kind == AuctionCell::Kind::Filler) {
        text = " " + QString::fromUtf8(NoBidSymbolText.data(), NoBidSymbolText.size()).left(2);
      } else if (cell.kind == AuctionCell::Kind::Call) {
        text = BidCaption(cell.Call);
        // Every alert reference reads "(!)"; the running number tells the
        // reader which explanation below belongs to the bid.
        if (!cell.AlertRef.empty()) text += QString("(%1)").arg(++alert);
      }
      auto* item = new QTableWidgetItem(text);
      if (cell.kind == AuctionCell::Kind::Call) {
        // A screen reader says the call in words, and what an alerted call shows.
        item->setData(Qt::AccessibleTextRole, SpokenCall(cell.Call));
        if (!cell.AlertRef.empty() && alert <= lines) {
          item->setData(Qt::AccessibleDescriptionRole,
                        "alerted: " + SymbolPlainText(AlertExplanation(state.AlertLines[alert - 1]),
                                                      language_));
        }
      }
      setItem(row, column, item);
    }
  }
  // Rows and widths as shown: the font is measured as shown, the table's
  // own sizes scale with the table.
  const double factor = DeskFactor(this);
  const auto shown = [factor](int length) { return int(std::lround(length * factor)); };
  for (int row = 0; row < rowCount(); ++row) setRowHeight(row, shown(RowHeight));
  // Each explanation takes the whole width and as many lines of its full
  // height as it needs; its hint holds it whole.
  const int lineHeight = QFontMetrics(font()).height();
  const int width = shown(4 * ColumnWidth - 2);
  for (int line = 0; line < lines; ++line) {
    const int row = auctionRows + line;
    setSpan(row, 0, 1, 4);
    const QString text = QString("(%1) ").arg(line + 1) + AlertExplanation(state.AlertLines[line]);
    auto* cell = new QTableWidgetItem(text);
    cell->setToolTip(SymbolPlainText(text, language_));
    cell->setData(Qt::AccessibleTextRole, cell->toolTip());
    setItem(row, 0, cell);
    setRowHeight(
        row, WrapSymbolText(font(), PlainStyle, text, width, language_).size() * lineHeight + 2);
  }
  scrollToBottom();
}

QString BidReviewGrid::CellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

BidReviewPanel::BidReviewPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("BidReviewPanel");
  grid_ = new BidReviewGrid(this);
  grid_->move(0, HeaderHeight);
  grid_->setFixedHeight(6 * RowHeight + 2 * grid_->frameWidth());
  for (int column = 0; column < 4; ++column) {
    const SeatCode seat = SeatOfColumn[column];
    auto* header =
        new QLabel(QString::fromUtf8(SeatNames[seat].data(), SeatNames[seat].size()), this);
    header->setObjectName("BP" + header->text());
    header->setAlignment(Qt::AlignCenter);
    header->setGeometry(grid_->frameWidth() + column * ColumnWidth, 0, ColumnWidth, HeaderHeight);
    headers_[seat] = header;
  }
  closeBidReview_ = new QPushButton("Close", this);
  closeBidReview_->setObjectName("CloseBidReview");
  closeBidReview_->adjustSize();
  closeBidReview_->move(grid_->width() - closeBidReview_->width(),
                        HeaderHeight + grid_->height() + 2);
  closeBidReview_->hide();
  setFixedSize(grid_->width(),
               HeaderHeight + grid_->height() + 4 + closeBidReview_->sizeHint().height());
  HighlightSeat(NoSeat);
}

void BidReviewPanel::HighlightSeat(int seat) {
  for (int s = 0; s < 4; ++s) {
    QPalette colours = headers_[s]->palette();
    colours.setColor(QPalette::WindowText, s == seat ? QColor(255, 255, 0) : QColor(0, 0, 0));
    // Yellow reads only on a dark ground, whatever the colour scheme.
    colours.setColor(QPalette::Window, QColor(0, 0, 128));
    headers_[s]->setPalette(colours);
    headers_[s]->setAutoFillBackground(s == seat);
  }
}

}  // namespace tavlo
