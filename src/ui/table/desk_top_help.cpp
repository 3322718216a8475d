// The table's help for a newcomer: the welcome on the table at the first
// start, pointing to the lessons, and F1, which opens the help at the topic
// of whatever the player is looking at, in the table or in any window it
// opened.

#include <QAction>
#include <QLabel>
#include <algorithm>
#include <array>
#include <utility>

#include "dialogs/colour_scheme.h"
#include "handfile/lesson_progress.h"
#include "handfile/saved_hand_list.h"
#include "language/help_system.h"
#include "table/desk_top.h"
#include "table/table_layout.h"

namespace tavlo {

namespace {

// The welcome stands in the middle of the trick area, empty before the
// first hand.
constexpr QRect WelcomePlace = TablePlace.adjusted(8, 24, -8, -24);

// The help topic of a window or a control, by its name: the first one met
// from the control with the focus out to its window gives the topic.
constexpr std::array<std::pair<const char*, const char*>, 20> ControlTopics{{
    {"LessonsWindow", "Lessons"},
    {"ClaimDialog", "Claim"},
    {"SetupOptions", "Preferences"},
    {"GetSavedHandForm", "SavedHands"},
    {"SaveForm", "Saving"},
    {"ReviewForm", "ReviewHand"},
    {"DlgNewSeed", "RandomSeed"},
    {"AboutBox", HelpContentsTopic},
    {"ButMakeBid", "HelpAndMakeBid"},
    {"ButHintBid", "HelpAndMakeBid"},
    {"BidPad", "BiddingWithTheMouse"},
    {"CloseBidReview", "ReviewBidding"},
    {"ButHint", "Hint"},
    {"ButPlayHint", "Hint"},
    {"TPPFast", "FinishPlay"},
    {"TPPBackup", "TakeBack"},
    {"ButClearTable", "ClearTable"},
    {"TPPClaim", "Claim"},
    {"ButSavedHand", "SavedHands"},
    {"ButReplayHand", "ReplayAndRebid"},
}};

// What the table is about in each phase, when no control says more.
const char* PhaseTopic(Phase phase) {
  switch (phase) {
    case Phase::NoHand:
      return "StartingAHand";
    case Phase::Bidding:
      return "BiddingWithTheMouse";
    case Phase::EndOfBidding:
      return "EndOfBidding";
    case Phase::Play:
    case Phase::Analysis:
      return "PlayingWithTheMouse";
    case Phase::EndOfHand:
      return "Score";
  }
  return HelpContentsTopic;
}

}  // namespace

QString TDeskTop::LessonProgressFile() const {
  return folders_.UserFile(QString::fromUtf8(
      LessonProgressFileName.data(), static_cast<qsizetype>(LessonProgressFileName.size())));
}

void TDeskTop::CreateWelcome() {
  welcome_ = MakeLabel(desk_, "Welcome", "", WelcomePlace);
  welcome_->setWordWrap(true);
  welcome_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  welcome_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  welcome_->setMargin(6);
  SetSchemeTag(welcome_, 2);
  welcome_->hide();
}

bool TDeskTop::FirstStart() {
  // The lesson packs' hands leave their marks in the progress file; a hand
  // of the hand file played to its end and saved, or brought in with its
  // result, has a contract there. A progress file that cannot be read was
  // written by someone who has played.
  const Result<LessonProgress> progress = ReadLessonProgress(LessonProgressFile().toStdString());
  if (!progress || !progress->empty()) return false;
  const std::vector<SavedHandRow> hands = SavedHandRows(HandStore());
  return std::ranges::none_of(hands, [](const SavedHandRow& hand) { return hand.Contract != "-"; });
}

void TDeskTop::WriteWelcome() {
  // The keys as the menu shows them beside their items, in the language.
  const auto key = [this](const char* item) {
    return MenuItem(item)->shortcut().toString(QKeySequence::NativeText);
  };
  welcome_->setText(Vocabulary("LabelWelcome")->text().arg(key("Lessons1"), key("NewHand1")));
}

bool TDeskTop::ShowHelpAt(const QWidget* focus) {
  // Only the table and the windows it opened are the table's to help with.
  const QWidget* window = focus->window();
  while (window && window != this)
    window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  if (!window) return false;
  help_->ShowTopic(HelpTopicAt(focus), this);
  return true;
}

QString TDeskTop::HelpTopicAt(const QWidget* focus) const {
  for (const QWidget* at = focus; at && at != this; at = at->parentWidget()) {
    for (const auto& [control, topic] : ControlTopics) {
      if (at->objectName() == QLatin1String(control)) return topic;
    }
  }
  return PhaseTopic(game_.Table.TablePhase);
}

}  // namespace tavlo
