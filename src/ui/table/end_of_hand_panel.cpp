#include "table/end_of_hand_panel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "common/desk_scaler.h"
#include "common/symbol_text_painter.h"
#include "table/symbol_cell_delegate.h"
#include "table/table_layout.h"

namespace tavlo {

EndOfHandPanel::EndOfHandPanel(QWidget* desk, const QPoint& scorePlace)
    : QObject(desk), scorePlace_(scorePlace) {
  scorePad_ = new QTableWidget(3, 2, desk);
  scorePad_->setObjectName("ScorePad");
  scorePad_->horizontalHeader()->hide();
  scorePad_->verticalHeader()->hide();
  scorePad_->setGeometry(QRect(scorePlace, QSize(240, 3 * 18 + 4)));
  scorePad_->verticalHeader()->setDefaultSectionSize(18);
  scorePad_->setShowGrid(false);
  scorePad_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  scorePad_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scorePad_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont cellFont = scorePad_->font();
  cellFont.setPointSize(11);
  scorePad_->setFont(cellFont);
  QPalette colours = scorePad_->palette();
  colours.setColor(QPalette::Base, GridBack);
  scorePad_->setPalette(colours);
  scorePad_->setItemDelegate(new SymbolCellDelegate(scorePad_, [this] { return language_; }));
  scorePad_->hide();

  endofScoring_ = MakePad(desk, "EndofScoring");
  eosNewHand_ = AddButton(endofScoring_, "EOSNewHand", "Play a &New Hand");
  butSavedHand_ = AddButton(endofScoring_, "ButSavedHand", "Play a &Saved Hand");
  butReplayHand_ = AddButton(endofScoring_, "ButReplayHand", "Replay &This Hand");
  connect(eosNewHand_, &QPushButton::clicked, this, &EndOfHandPanel::NewHandClicked);
  connect(butSavedHand_, &QPushButton::clicked, this, &EndOfHandPanel::SavedHandClicked);
  // Beyond the three commands of the end of the hand: what each card did.
  butReviewHand_ = AddButton(endofScoring_, "ButReviewHand", "&Review Hand");
  connect(butReplayHand_, &QPushButton::clicked, this, &EndOfHandPanel::ReplayClicked);
  connect(butReviewHand_, &QPushButton::clicked, this, &EndOfHandPanel::ReviewClicked);
  endofScoring_->hide();
}

void EndOfHandPanel::ShowEndOfScoring(bool handPlayed) {
  endofScoring_->show();
  // After a hand, no command waits for Enter: the Enter that cleared the
  // last trick, pressed once more, would deal the next hand before the
  // result was read. The user chooses, by click, by its letter or by Tab.
  if (handPlayed) {
    endofScoring_->window()->setFocus();
  } else {
    eosNewHand_->setFocus();
  }
}

void EndOfHandPanel::ShowTheScore(const QString& result, const QString& scoreCaption, int score,
                                  int language) {
  // Room for the three spaces before a result of at most 30 characters.
  constexpr int ResultLength = 33, ScoreColumnWidth = 60, MinimumWidth = 240, TextMargin = 4;
  language_ = language;
  scorePad_->setEnabled(false);
  const auto put = [this, language](int column, int row, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    // Read out with the suits' signs the grid draws.
    item->setData(Qt::AccessibleTextRole, SymbolPlainText(text, language));
    scorePad_->setItem(row, column, item);
  };
  put(0, 0, QString());
  put(0, 1, ("   " + result).left(ResultLength));
  put(0, 2, "   " + scoreCaption);
  put(1, 2, QString::number(score));
  // Wide enough for the longer line in the language; the grid moves left
  // rather than run past the table's edge.
  // The text is measured in the font as shown; the grid is placed at the
  // table's own size and its columns sized as shown.
  const double factor = DeskFactor(scorePad_);
  const QFontMetrics metrics(scorePad_->font());
  const int textWidth = std::max(metrics.horizontalAdvance(scorePad_->item(1, 0)->text()),
                                 metrics.horizontalAdvance(scorePad_->item(2, 0)->text()));
  const int width = std::max(
      MinimumWidth, int(std::ceil(textWidth / factor)) + 2 * TextMargin + ScoreColumnWidth + 5);
  PlaceOnDesk(scorePad_, {std::min(scorePlace_.x(), DeskSize.width() - width - TextMargin),
                          scorePlace_.y(), width, DeskPlace(scorePad_).height()});
  const int shownWidth = scorePad_->width();
  const int scoreColumn = int(std::lround(ScoreColumnWidth * factor));
  scorePad_->setColumnWidth(1, scoreColumn);
  scorePad_->setColumnWidth(0, shownWidth - scoreColumn - int(std::lround(5 * factor)));
  endofScoring_->show();
  scorePad_->show();
  scorePad_->viewport()->repaint();
}

bool EndOfHandPanel::ScoreShown() const { return scorePad_->isVisible(); }

void EndOfHandPanel::HideScore(bool disable) {
  scorePad_->hide();
  if (disable) scorePad_->setEnabled(false);
}

}  // namespace tavlo
