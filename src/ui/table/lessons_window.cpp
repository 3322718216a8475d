#include "table/lessons_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/notifier.h"
#include "dialogs/dialog_translations.h"
#include "language/multi_lang.h"
#include "session/lesson_library.h"

namespace tavlo {

namespace {

enum Column { TopicColumn, BiddingColumn, PlayColumn, ScoreColumn, ParColumn, Columns };
// Where a row keeps its pack, and a hand's row its number.
constexpr int PackRole = Qt::UserRole, HandRole = Qt::UserRole + 1;

const QColor Good(0, 110, 0), Bad(170, 0, 0), Quiet(110, 110, 110);

QString ScoreText(int score) {
  return score > 0 ? "+" + QString::number(score) : QString::number(score);
}

}  // namespace

LessonsWindow::LessonsWindow(LessonLibrary& library, QWidget* parent)
    : QDialog(parent),
      library_(library),
      instruction_(new QLabel(this)),
      topics_(new QTreeWidget(this)),
      play_(new QPushButton("&Play", this)),
      continue_(new QPushButton("&Continue", this)),
      multiLang_(new TMultiLang(this)) {
  setObjectName("LessonsWindow");
  setWindowTitle("Lessons");
  resize(720, 480);
  instruction_->setWordWrap(true);
  topics_->setObjectName("Topics");
  topics_->setColumnCount(Columns);
  topics_->setRootIsDecorated(true);
  topics_->setAlternatingRowColors(true);
  // The texts the window fills in, in the learner's language.
  const std::pair<const char*, const char*> words[] = {
      {"Label1",
       "Choose a hand and press Play, or press Continue for the next hand you have not tried."},
      {"LabelAllTried", "You have tried every hand of the lessons; choose one to play it again."},
      {"LabelTopic", "Topic and hand"},
      {"LabelBidding", "Bidding"},
      {"LabelPlay", "Play"},
      {"LabelScore", "Score"},
      {"LabelPar", "Par"},
      {"LabelTried", "%1 of %2 tried"},
      {"LabelHand", "Hand %1"},
      {"LabelNotTried", "Not tried yet"},
      {"LabelClean", "Bid without a mistake"},
      {"LabelHelped", "Bid with help"},
      {"LabelMade", "Made"},
      {"LabelDown", "Down"},
      {"LabelLatest", "Last try: %1"},
      {"LabelDamaged",
       "Your progress through the lessons could not be read (%1); it starts again from the "
       "beginning."}};
  for (const auto& [name, text] : words) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->hide();
  }
  play_->setObjectName("PlayButton");
  play_->setDefault(true);
  continue_->setObjectName("ContinueButton");
  auto* close = new QPushButton("Close", this);
  close->setObjectName("CloseButton");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(continue_);
  buttons->addStretch();
  buttons->addWidget(play_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(instruction_);
  layout->addWidget(topics_);
  layout->addLayout(buttons);

  connect(play_, &QPushButton::clicked, this, &LessonsWindow::PlayChosen);
  connect(continue_, &QPushButton::clicked, this, &LessonsWindow::Continue);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  // Enter presses Play, the default button; a double click plays a hand
  // and opens or closes a topic.
  connect(topics_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item->data(TopicColumn, HandRole).isValid()) PlayChosen();
  });
  connect(topics_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { play_->setEnabled(item != nullptr); });
  LoadDialogTranslations(*multiLang_, "lessons_window.tsv");
}

QString LessonsWindow::Word(const char* name) const { return findChild<QLabel*>(name)->text(); }

void LessonsWindow::showEvent(QShowEvent* event) {
  multiLang_->SetActiveLanguage(language_);
  if (!library_.Loaded()) {
    const LessonLibrary::LoadProblems problems = library_.Load();
    for (const Reason& pack : problems.Packs)
      Notifier::Current().Message(QString::fromStdString(pack.Text));
    if (problems.Progress)
      Notifier::Current().Message(
          Word("LabelDamaged").arg(QString::fromStdString(problems.Progress->Text)));
  }
  Fill();
  QDialog::showEvent(event);
}

void LessonsWindow::Fill() {
  topics_->setHeaderLabels({Word("LabelTopic"), Word("LabelBidding"), Word("LabelPlay"),
                            Word("LabelScore"), Word("LabelPar")});
  topics_->clear();
  const std::vector<LessonPack>& packs = library_.Packs();
  const std::optional<PackHand> next = library_.NextHand();
  QTreeWidgetItem* current = nullptr;
  for (std::size_t pack = 0; pack < packs.size(); ++pack) {
    auto* topic = new QTreeWidgetItem(topics_);
    topic->setText(TopicColumn, QString::fromStdString(TopicInLanguage(packs[pack], language_)));
    topic->setData(TopicColumn, PackRole, static_cast<int>(pack));
    const int hands = static_cast<int>(packs[pack].Hands.size());
    int tried = 0;
    for (int hand = 1; hand <= hands; ++hand) {
      auto* item = new QTreeWidgetItem(topic);
      FillHand(item, pack, hand);
      if (library_.Progress().contains(PackHandKey(packs[pack].Name, hand))) ++tried;
      if (next == PackHand{pack, hand}) current = item;
    }
    topic->setText(BiddingColumn, Word("LabelTried").arg(tried).arg(hands));
    topic->setForeground(BiddingColumn, tried == hands ? Good : Quiet);
    // The topic the learner is working on stands open.
    topic->setExpanded(next && next->Pack == pack);
  }
  instruction_->setText(Word(next ? "Label1" : "LabelAllTried"));
  continue_->setEnabled(next.has_value());
  if (!current && topics_->topLevelItemCount() > 0) current = topics_->topLevelItem(0);
  topics_->setCurrentItem(current);
  // The topic takes the room the marks leave.
  topics_->header()->setStretchLastSection(false);
  topics_->header()->setSectionResizeMode(TopicColumn, QHeaderView::Stretch);
  for (int column = BiddingColumn; column < Columns; ++column)
    topics_->resizeColumnToContents(column);
  topics_->setFocus();
}

void LessonsWindow::FillHand(QTreeWidgetItem* item, std::size_t pack, int hand) {
  item->setData(TopicColumn, PackRole, static_cast<int>(pack));
  item->setData(TopicColumn, HandRole, hand);
  item->setText(TopicColumn, Word("LabelHand").arg(hand));
  const auto found = library_.Progress().find(PackHandKey(library_.Packs()[pack].Name, hand));
  if (found == library_.Progress().end()) {
    item->setText(BiddingColumn, Word("LabelNotTried"));
    item->setForeground(BiddingColumn, Quiet);
    return;
  }
  const HandMarks& marks = found->second;
  const TryMarks& best = marks.Best;
  const auto biddingWord = [this](const TryMarks& tried) {
    return Word(tried.CleanAuction ? "LabelClean" : "LabelHelped");
  };
  const auto playWord = [this](const TryMarks& tried) {
    return Word(tried.Play == PlayMark::Made ? "LabelMade" : "LabelDown");
  };
  item->setText(BiddingColumn, biddingWord(best));
  item->setForeground(BiddingColumn, best.CleanAuction ? Good : Bad);
  if (best.Play != PlayMark::NotPlayed) {
    item->setText(PlayColumn, playWord(best));
    item->setForeground(PlayColumn, best.Play == PlayMark::Made ? Good : Bad);
  }
  if (best.Score) item->setText(ScoreColumn, ScoreText(*best.Score));
  if (marks.Par) item->setText(ParColumn, ScoreText(*marks.Par));
  // North-South's score against par: at par or better is the learner's
  // best.
  if (best.Score && marks.Par)
    item->setForeground(ScoreColumn, *best.Score >= *marks.Par ? Good : Bad);
  for (int column = ScoreColumn; column < Columns; ++column)
    item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  // The row shows the best try; a later one that did less well is told on
  // demand.
  if (marks.Latest == best) return;
  QStringList latest{biddingWord(marks.Latest)};
  if (marks.Latest.Play != PlayMark::NotPlayed) latest << playWord(marks.Latest);
  if (marks.Latest.Score) latest << ScoreText(*marks.Latest.Score);
  const QString tip = Word("LabelLatest").arg(latest.join(", "));
  for (int column = TopicColumn; column < Columns; ++column) item->setToolTip(column, tip);
}

void LessonsWindow::PlayChosen() {
  const QTreeWidgetItem* item = topics_->currentItem();
  if (!item) return;
  const auto pack = static_cast<std::size_t>(item->data(TopicColumn, PackRole).toInt());
  if (item->data(TopicColumn, HandRole).isValid())
    return Play(pack, item->data(TopicColumn, HandRole).toInt());
  // A topic chosen: its first hand not tried yet, else its first.
  const LessonPack& chosen = library_.Packs()[pack];
  for (int hand = 1; hand <= static_cast<int>(chosen.Hands.size()); ++hand)
    if (!library_.Progress().contains(PackHandKey(chosen.Name, hand))) return Play(pack, hand);
  Play(pack, 1);
}

void LessonsWindow::Continue() {
  if (const std::optional<PackHand> next = library_.NextHand()) Play(next->Pack, next->Hand);
}

void LessonsWindow::Play(std::size_t pack, int hand) {
  accept();
  library_.Play(pack, hand);
}

}  // namespace tavlo
