#include "dialogs/test_play_dialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "engine/card_rule.h"
#include "engine/play_out.h"

namespace tavlo {

namespace {

constexpr int Columns = 14, Rows = 5, ColumnWidth = 50, RowHeight = 18;

QTableWidgetItem* BoldItem(const QString& text, const QColor& ink) {
  auto* item = new QTableWidgetItem(text);
  QFont font = item->font();
  font.setBold(true);
  item->setFont(font);
  item->setForeground(ink);
  return item;
}

}  // namespace

TDebugger::TDebugger(QWidget* parent) : QDialog(parent), grid_(new QTableWidget(Rows, Columns)) {
  setObjectName("Debugger");
  setWindowTitle("Test play");
  grid_->setObjectName("Grid");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
  grid_->verticalHeader()->setDefaultSectionSize(RowHeight);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setFixedSize(Columns * ColumnWidth + 2 * grid_->frameWidth(),
                      Rows * RowHeight + 2 * grid_->frameWidth());

  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  label3_ = new QLabel(this);
  label3_->setObjectName("Label3");
  label4_ = new QLabel(this);
  label4_->setObjectName("Label4");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  auto* stop = new QPushButton("&Close", this);
  stop->setObjectName("Stop");
  connect(ok, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  connect(stop, &QPushButton::clicked, this, [this] { done(StopResult); });

  auto* layout = new QGridLayout(this);
  layout->addWidget(grid_, 0, 0, 1, 4);
  layout->addWidget(label1_, 1, 0);
  layout->addWidget(label2_, 1, 1);
  layout->addWidget(label3_, 1, 2);
  layout->addWidget(label4_, 1, 3);
  layout->addWidget(ok, 2, 2);
  layout->addWidget(stop, 2, 3);
}

QLabel* TDebugger::Label(int n) const {
  switch (n) {
    case 1:
      return label1_;
    case 2:
      return label2_;
    case 3:
      return label3_;
    default:
      return label4_;
  }
}

bool TDebugger::ShowLine(const SearchedLine& line) {
  FormActivate(line);
  // Closed in any other way than by OK, as when the table closes, it shows
  // no more lines either.
  return exec() != QDialog::Accepted;
}

void TDebugger::FormActivate(const SearchedLine& line) {
  grid_->hide();
  grid_->clearContents();
  for (int trick = 1; trick <= 13; ++trick)
    grid_->setItem(0, trick, BoldItem(QString::number(trick), Qt::black));
  const SeatCode declarer = line.Play.Declarer;
  for (int row = 1; row <= 4; ++row) {
    const THands& hand = line.Hands[(declarer + row) % 4];
    grid_->setItem(row, 0, BoldItem(QString::fromLatin1(hand.SeatName), QColor(0, 0, 128)));
  }
  DisplayCells(line);
  grid_->show();
}

void TDebugger::DisplayCells(const SearchedLine& line) {
  const PlayState& play = line.Play;
  const SearchState& search = line.Search;
  label1_->setText(QString("Projected Losers: %1").arg(search.ProjectedLosers));
  label2_->setText(QString("Testwidth = %1").arg(search.Testwidth));
  label3_->setText(QString("Totplay = %1").arg(search.Totplay));
  // The candidate this line tried: its card lies at the table's position.
  QString rule;
  if (search.TablePosition < play.CardsPlayed) {
    const std::string_view name =
        CardRuleName(CardRuleInRecord(line.Hands, play, search.TablePosition));
    rule = "Rule: " + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  }
  label4_->setText(rule);
  // The line replayed on the deal names each completed trick's winner.
  const Result<PlayOut> replayed = ReplayRecord(line.Hands, play);
  const int tricksDone = replayed ? replayed->CardsPlayed() / 4 : 0;
  for (int i = 0; i < play.CardsPlayed; ++i) {
    const PlayRecordEntry& entry = play.PlayRecord[i];
    // Declarer's row is the last; the defenders hold rows 1 and 3.
    const int row = (entry.Seat - play.Declarer + 3) % 4 + 1;
    QString text = QString::fromStdString(CardText(entry.Card));
    QColor ink = Qt::black;
    if (i / 4 < tricksDone && replayed->WinnerOf(i / 4 + 1) == entry.Seat) {
      const bool defender = row % 2 == 1;
      text += defender ? "-" : "+";
      if (defender) ink = Qt::red;
    }
    auto* item = new QTableWidgetItem(text);
    item->setForeground(ink);
    item->setBackground(i == search.TablePosition ? QColor(Qt::yellow) : QColor(Qt::white));
    grid_->setItem(row, i / 4 + 1, item);
  }
}

}  // namespace tavlo
