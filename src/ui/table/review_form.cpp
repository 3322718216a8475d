#include "table/review_form.h"

#include <QFont>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "common/messages.h"
#include "common/symbol_text_painter.h"
#include "common/worker.h"
#include "dialogs/dialog_translations.h"
#include "game/think_ahead.h"
#include "language/multi_lang.h"
#include "model/symbol_text.h"
#include "table/bidding_record.h"
#include "table/review_sentences.h"
#include "table/table_translations.h"

namespace tavlo {

namespace {

// The trick table's rows from no trump down to clubs, as players read it.
constexpr std::array<StrainCode, 5> TableStrains{NoTrump, Spades, Hearts, Diamonds, Clubs};
constexpr std::array<SeatCode, 4> TableSeats{North, South, East, West};
// Marks the card that led each trick, in the play and in the legend.
const QString LeadMark = "▸";

bool RedSuit(int suit) { return suit == Diamonds || suit == Hearts; }

// The marks of the hands and the play, each beside what it means.
QString LegendHtml(const ReviewWord& word) {
  return QStringList{
      "<span style='background:#ffe060'><b>K</b></span> " + word("LegendBest"),
      "<span style='color:#c00000'>−1</span> " + word("LegendCost"),
      LeadMark + " " + word("LegendLead"),
      "<b>♠A</b> " + word("LegendOurs"),
  }
      .join(" &nbsp;·&nbsp; ");
}

// A suit of a hand as rich text, the cards in marked highlighted.
QString HoldingHtml(int suit, Holding holding, Holding marked) {
  QString html = QString("<span style='color:%1'>%2</span> ")
                     .arg(RedSuit(suit) ? "#c00000" : "black", SuitSign(suit));
  if (holding == 0) return html + "—";
  for (int rank = Ace; rank >= 2; --rank) {
    const Holding bit = Holding{1} << rank;
    if (!(holding & bit)) continue;
    const QString rankText = QString::fromStdString(RankText(rank));
    html += marked & bit
                ? QString("<span style='background:#ffe060'><b>%1</b></span>").arg(rankText)
                : rankText;
  }
  return html;
}

QLabel* WordLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->hide();
  return label;
}

}  // namespace

ReviewForm::ReviewForm(Worker& worker, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      worker_(worker),
      clock_(clock),
      multiLang_(new TMultiLang(this)),
      auction_(new BidReviewGrid(this)),
      ddTable_(new QTableWidget(5, 4, this)),
      par_(new QLabel(this)),
      playGrid_(new QTableWidget(13, 4, this)),
      trickLabel_(new QLabel(this)),
      previous_(new QPushButton("&Previous", this)),
      next_(new QPushButton("&Next", this)),
      summary_(new QLabel(this)),
      legend_(new QLabel(this)),
      progress_(new QProgressBar(this)) {
  setObjectName("ReviewForm");
  setWindowTitle("Review Hand");
  setMinimumSize(880, 560);
  // Words the window composes its texts from, translated like captions.
  const std::array<std::pair<const char*, const char*>, 28> words{{
      {"LabelN", "North"},
      {"LabelE", "East"},
      {"LabelS", "South"},
      {"LabelW", "West"},
      {"LabelNS", "North-South"},
      {"LabelEW", "East-West"},
      {"LabelOr", "or"},
      {"NumberWords", "one two three four five six seven eight nine ten eleven twelve thirteen"},
      {"LabelPar", "Par: %1: %2"},
      {"ParPairTakes", "%1 play %2 and take %3 tricks"},
      {"ParSeatTakes", "%1 plays %2 and takes %3 tricks"},
      {"ParPairDown", "%1 play %2 and go down %3"},
      {"ParSeatDown", "%1 plays %2 and goes down %3"},
      {"ParDoubled", "%1 doubled"},
      {"ParPassedOut", "Par: the hand is passed out."},
      {"LabelTrickOf", "Trick %1 of 13"},
      {"LabelLeads", "%1 leads"},
      {"LabelMade", "Declarer took %1 tricks."},
      {"LabelAfterLead",
       "With best play by both sides from the opening lead, declarer takes %1 tricks."},
      {"LabelGaveAway", "Tricks North-South gave away: %1 (%2)."},
      {"LabelNothingLost", "North-South gave nothing away."},
      {"LabelFirstCostOne",
       "The first trick your side gave away: at trick %1 %2 played %3, and %4 was better."},
      {"LabelFirstCostMany",
       "The first tricks your side gave away: at trick %1 %2 played %3, which cost %5 tricks, and "
       "%4 was better."},
      {"LabelPassedOut", "Passed out: there is no play to review."},
      {"LegendBest", "best cards of the player on lead"},
      {"LegendCost", "tricks a card gave away"},
      {"LegendLead", "the card that led the trick"},
      {"LegendOurs", "your side's cards, North-South"},
  }};
  for (const auto& [name, text] : words) WordLabel(this, name, text);

  ddTable_->setObjectName("DDTable");
  ddTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ddTable_->setSelectionMode(QAbstractItemView::NoSelection);
  ddTable_->horizontalHeader()->setDefaultSectionSize(48);
  ddTable_->verticalHeader()->setDefaultSectionSize(22);
  ddTable_->setFixedSize(4 * 48 + 44, 5 * 22 + 28);
  par_->setObjectName("ParLabel");
  par_->setWordWrap(true);
  par_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  playGrid_->setObjectName("PlayGrid");
  playGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  playGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
  playGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  playGrid_->setFocusPolicy(Qt::NoFocus);
  playGrid_->horizontalHeader()->setDefaultSectionSize(64);
  playGrid_->verticalHeader()->setDefaultSectionSize(20);
  playGrid_->setFixedWidth(4 * 64 + 40);
  playGrid_->setFixedHeight(13 * 20 + playGrid_->horizontalHeader()->sizeHint().height() +
                            2 * playGrid_->frameWidth());
  // Par in a sentence under the play, as wide: room for two contracts.
  par_->setFixedWidth(playGrid_->width());
  par_->setMinimumHeight(4 * par_->fontMetrics().lineSpacing() + 4);
  trickLabel_->setObjectName("TrickLabel");
  trickLabel_->setMinimumWidth(120);
  trickLabel_->setAlignment(Qt::AlignCenter);
  previous_->setObjectName("PrevTrick");
  next_->setObjectName("NextTrick");
  summary_->setObjectName("Summary");
  summary_->setWordWrap(true);
  // Up to four sentences: the tricks, best play, what was given away and
  // the first card that gave a trick away.
  summary_->setMinimumHeight(4 * summary_->fontMetrics().lineSpacing() + 4);
  legend_->setObjectName("Legend");
  legend_->setTextFormat(Qt::RichText);
  legend_->setWordWrap(true);
  progress_->setObjectName("Progress");
  progress_->setRange(0, 0);
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("CloseReview");

  auto* compass = new QGridLayout;
  for (int seat = North; seat <= West; ++seat) {
    hands_[seat] = new QLabel(this);
    hands_[seat]->setObjectName(QString("ReviewHand%1").arg(SeatNames[seat].data()));
    hands_[seat]->setTextFormat(Qt::RichText);
    // A seat's name and its four suits.
    hands_[seat]->setMinimumSize(130, 5 * hands_[seat]->fontMetrics().lineSpacing() + 8);
    hands_[seat]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  compass->addWidget(hands_[North], 0, 1);
  compass->addWidget(hands_[West], 1, 0);
  compass->addWidget(hands_[East], 1, 2);
  compass->addWidget(hands_[South], 2, 1);
  auto* steps = new QHBoxLayout;
  steps->addWidget(previous_);
  steps->addWidget(trickLabel_, 1);
  steps->addWidget(next_);

  auto* layout = new QGridLayout(this);
  layout->addWidget(auction_, 0, 0);
  auto* table = new QVBoxLayout;
  table->addWidget(ddTable_);
  table->addStretch();
  layout->addLayout(table, 0, 1);
  auto* play = new QVBoxLayout;
  play->addWidget(playGrid_);
  play->addWidget(par_);
  play->addStretch();
  layout->addLayout(play, 0, 2, 3, 1);
  layout->addLayout(compass, 1, 0, 1, 2);
  layout->addLayout(steps, 2, 0, 1, 2);
  layout->addWidget(legend_, 3, 0, 1, 3);
  layout->addWidget(summary_, 4, 0, 1, 3);
  layout->addWidget(progress_, 5, 0, 1, 2);
  layout->addWidget(close, 5, 2, Qt::AlignRight);

  connect(previous_, &QPushButton::clicked, this, [this] { ShowTrick(trick_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ShowTrick(trick_ + 1); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  LoadDialogTranslations(*multiLang_, "review_form.tsv");
}

QString ReviewForm::Word(const char* name) const { return findChild<QLabel*>(name)->text(); }

ReviewWord ReviewForm::Words() const {
  return [this](const char* key) { return Word(key); };
}

void ReviewForm::ReviewHand(const Game& game, int language,
                            const std::array<QString, 3>& callCaptions) {
  language_ = language;
  multiLang_->SetActiveLanguage(language);
  auction_->SetCallCaptions(callCaptions[0], callCaptions[1], callCaptions[2]);
  auction_->SetLanguage(language);
  auction_->ShowAuction(game.Auction);
  // The record's columns from the left: West, North, East, South.
  for (int column = 0; column < 4; ++column)
    auction_->setHorizontalHeaderItem(
        column,
        new QTableWidgetItem(Word(SeatWords[std::array{West, North, East, South}[column]])));
  auction_->horizontalHeader()->show();
  for (int column = 0; column < 4; ++column) {
    ddTable_->setHorizontalHeaderItem(
        column, new QTableWidgetItem(Word(SeatWords[TableSeats[column]]).left(1)));
    playGrid_->setHorizontalHeaderItem(column, new QTableWidgetItem(Word(SeatWords[column])));
  }
  for (int row = 0; row < 5; ++row) {
    const StrainCode strain = TableStrains[row];
    ddTable_->setVerticalHeaderItem(row, new QTableWidgetItem(StrainSign(strain, language)));
  }

  // What the analysis needs, copied: the table may go on meanwhile.
  std::vector<Card> played;
  if (IsContractBid(game.Auction.ContractBid)) {
    for (int at = 0; at < game.Play.CardsPlayed; ++at)
      played.push_back(game.Play.PlayRecord[at].Card);
  }
  review_.reset();
  betterCardReason_.reset();
  trick_ = 0;
  playGrid_->clearContents();
  ddTable_->clearContents();
  for (QLabel* hand : hands_) hand->clear();
  for (QLabel* label : {summary_, par_, trickLabel_}) label->clear();
  legend_->setText(LegendHtml(Words()));
  previous_->setEnabled(false);
  next_->setEnabled(false);
  progress_->show();
  const Bid contract = game.Auction.ContractBid;
  const SeatCode declarer = game.Auction.Declarer, dealer = game.Auction.Dealer;
  const int vulnerability = game.Record.Vulnerability;
  analysing_ = true;
  worker_.Run(
      [deal = game.Table.Deal, contract, declarer, vulnerability, dealer,
       played = std::move(played), finished = game, &clock = clock_,
       stop = worker_.LogicErrorStop()](JobControl& job) {
        Answer answer{
            tavlo::ReviewHand(deal, contract, declarer, vulnerability, dealer, played, &job),
            std::nullopt};
        // The engine asked at the learner's first costly card: when it
        // would have played one of the better cards, its rule says why.
        if (answer.Review && answer.Review->FirstNorthSouthCost) {
          const int at = static_cast<int>(*answer.Review->FirstNorthSouthCost);
          answer.BetterCardReason =
              ReasonForBetterCard(finished, at, answer.Review->Cards[at].Best, clock, stop, &job);
        }
        return answer;
      },
      [this](const Answer& answer) { AnalysisDone(answer); },
      [this] {
        analysing_ = false;
        progress_->hide();
      });
}

void ReviewForm::done(int result) {
  if (analysing_) {
    worker_.Cancel();
    analysing_ = false;
    progress_->hide();
  }
  QDialog::done(result);
}

void ReviewForm::AnalysisDone(const Answer& answer) {
  const Result<HandReview>& result = answer.Review;
  betterCardReason_ = answer.BetterCardReason;
  analysing_ = false;
  progress_->hide();
  if (!result) {
    summary_->setText(SymbolPlainText(
        MessageInLanguage(QString::fromStdString(result.Error()), language_), language_));
    return;
  }
  review_ = *result;
  ShowTable();
  ShowPlay();
  ShowSummary();
  if (!review_->PassedOut) ShowTrick(1);
}

void ReviewForm::ShowTable() {
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(
          QString::number(review_->Table[TableStrains[row]][TableSeats[column]]));
      item->setTextAlignment(Qt::AlignCenter);
      ddTable_->setItem(row, column, item);
    }
  par_->setText(ParSentence(review_->Par, language_, Words()));
}

void ReviewForm::ShowPlay() {
  for (std::size_t at = 0; at < review_->Cards.size(); ++at) {
    const ReviewedCard& card = review_->Cards[at];
    QString text = CardSign(card.Played);
    if (at % 4 == 0) text = LeadMark + text;
    if (card.Cost > 0) text += QString(" −%1").arg(card.Cost);
    auto* item = new QTableWidgetItem(text);
    // North-South are the learner's side: their cards stand out in bold.
    QFont font = item->font();
    font.setBold(SideOfSeat(card.Seat) == NorthSouth);
    item->setFont(font);
    if (card.Cost > 0) item->setForeground(QColor(192, 0, 0));
    playGrid_->setItem(static_cast<int>(at / 4), card.Seat, item);
  }
}

void ReviewForm::ShowSummary() {
  summary_->setText(SummarySentences(
      *review_, Words(),
      betterCardReason_ ? ReasonPhrase(*betterCardReason_, language_) : QString()));
}

void ReviewForm::ShowTrick(int trick) {
  if (!review_ || review_->PassedOut || trick < 1 || trick > 13) return;
  trick_ = trick;
  const int first = 4 * (trick - 1);
  const DealHoldings left = review_->Play.LeftBefore(first);
  const ReviewedCard& lead = review_->Cards[first];
  std::array<Holding, 4> best{};
  for (Card card : lead.Best) best[CardSuit(card)] |= card & RankBits;
  for (int seat = North; seat <= West; ++seat) {
    const QString name = Word(SeatWords[seat]);
    QString html =
        "<b>" + (seat == lead.Seat ? LeadMark + " " + Word("LabelLeads").arg(name) : name) + "</b>";
    for (int suit = Spades; suit >= Clubs; --suit)
      html += "<br>" + HoldingHtml(suit, left[seat][suit], seat == lead.Seat ? best[suit] : 0);
    hands_[seat]->setText(html);
  }
  trickLabel_->setText(Word("LabelTrickOf").arg(trick));
  previous_->setEnabled(trick > 1);
  next_->setEnabled(trick < 13);
  playGrid_->selectRow(trick - 1);
  playGrid_->scrollToItem(playGrid_->item(trick - 1, 0));
}

void ReviewForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Up) {
    ShowTrick(trick_ - 1);
  } else if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Down) {
    ShowTrick(trick_ + 1);
  } else {
    QDialog::keyPressEvent(event);
  }
}

}  // namespace tavlo
