// The controls of the card table that every phase shows, and the main menu. Every
// control carries the name the rest of the program and the translation table
// know it by.

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>

#include "dialogs/colour_scheme.h"
#include "table/auction_panel.h"
#include "table/bidding_record.h"
#include "table/board_panel.h"
#include "table/busy_indicator.h"
#include "table/card_play_panel.h"
#include "table/contract_picture.h"
#include "table/desk_top.h"
#include "table/desk_view.h"
#include "table/end_of_hand_panel.h"
#include "table/feedback_line.h"
#include "table/focus_ring.h"
#include "table/table_layout.h"

namespace tavlo {

void TDeskTop::CreateControls() {
  desk_ = new QWidget(this);
  desk_->setObjectName("Desk");
  desk_->setFixedSize(DeskSize);
  view_ = new DeskView(desk_, this);
  setCentralWidget(view_);

  dupBd_ = new DupBoardPanel(desk_);
  dupBd_->setGeometry(DupBdPlace);
  SetSchemeTag(dupBd_, 2);
  dupBd_->hide();

  for (int seat = North; seat <= West; ++seat) {
    const QString name = QString::fromLatin1(SeatNames[seat].data());
    handPanels_[seat] =
        MakePanel(desk_, ("Hand" + name).toLatin1().constData(), HandPlaces[seat], 1);
    handPanels_[seat]->setFrameStyle(QFrame::NoFrame);
  }

  playPanel_ = MakePanel(desk_, "PlayPanel", QRect(HandPlaces[East].left() + 10, 3, 200, 100), 2);
  MakeLabel(playPanel_, "PlayPanelLabel1", "Contract", {8, 4, 184, 18});
  contractImg_ = new ContractPicture(playPanel_);
  contractImg_->setObjectName("ContractImg");
  contractImg_->move(8, 24);
  contractImg_->hide();
  MakeLabel(playPanel_, "PlayPanelLabel2", "N-S tricks", {8, 52, 120, 18});
  nsTricks_ = MakeLabel(playPanel_, "PlayPanelNSTrks", "0", {130, 52, 60, 18});
  MakeLabel(playPanel_, "PlayPanelLabel3", "E-W tricks", {8, 74, 120, 18});
  ewTricks_ = MakeLabel(playPanel_, "PlayPanelEWTrks", "0", {130, 74, 60, 18});
  playPanel_->hide();

  hcpPanel_ = MakePanel(desk_, "HCPPanel", HCPPlace, 2);
  MakeLabel(hcpPanel_, "HCPNorthLabel", "North", {8, 4, 70, 18});
  MakeLabel(hcpPanel_, "HCPSouthLabel", "South", {8, 24, 70, 18});
  nhcp_ = MakeLabel(hcpPanel_, "NHCP", "", {80, 4, 84, 18});
  shcp_ = MakeLabel(hcpPanel_, "SHCP", "", {80, 24, 84, 18});
  hcpPanel_->hide();

  // Each feature lays its own controls on the desk; those made later lie
  // on top, so the bid box covers the part of East's hand it stands over.
  auction_ = new AuctionPanel(*session_, desk_);
  endOfHand_ = new EndOfHandPanel(desk_, auction_->Review()->pos());

  tableComment_ = MakeLabel(desk_, "TableComment", "", CommentPlace);
  tableComment_->setWordWrap(true);
  tableComment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lessonPoint_ = MakeLabel(desk_, "LessonPoint", "", LessonPointPlace);
  lessonPoint_->setWordWrap(true);
  lessonPoint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lessonPoint_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  lessonPoint_->setMargin(4);
  SetSchemeTag(lessonPoint_, 2);
  lessonPoint_->hide();

  cardPlay_ = new CardPlayPanel(*session_, desk_);
  connect(cardPlay_, &CardPlayPanel::ClaimClicked, this, &TDeskTop::ClaimClick);
  new BusyIndicator(session_->Jobs(), desk_);
  feedback_ = new FeedbackLine([this](const char* name) { return Vocabulary(name)->text(); },
                               [this](int seat) { return TranslatedSeatName(seat); }, desk_);

  CreateVocabulary();
  CreateWelcome();
  new FocusRing(desk_);
  CreateMenu();
  CreateViewMenu();
}

void TDeskTop::CreateVocabulary() {
  // Words the table composes its texts from; hidden, translated like any
  // caption, so a language switch changes them too.
  const std::pair<const char*, const char*> words[]{
      {"LabelPass", "Pass"},
      {"LabelDbl", "Dbl"},
      {"LabelRedbl", "ReDbl"},
      {"DeleteLabel", "delete"},
      {"PlayLabel", "Play"},
      {"ByLabel", "by"},
      {"Labeltrks", "tricks"},
      {"LabelHCP", "HCP"},
      {"LabelNewPlayerMessage", NewPlayerMessageText},
      {"LabelYourScore", "Your score on this hand"},
      // The first start's welcome: the keys of the lessons and of New Hand.
      {"LabelWelcome",
       "Welcome to Tavlo! Start with the lessons: press %1, choose a topic and play its hands. "
       "Or press %2 to play the next lesson hand."},
      {"SC0", "C"},
      {"SC1", "D"},
      {"SC2", "H"},
      {"SC3", "S"},
      {"SC4", "N"},
      {"SCpass", "P"},
      {"SCDouble", "X"},
      // The feedback line's sentences and the suits' words in them.
      {"FbNotLessonCall", "Not the lesson's call. Try again, or press Help."},
      {"FbLessonBids", "Not the lesson's call. The lesson bids %1."},
      {"FbLessonBidsWhy", "Not the lesson's call. The lesson bids %1: %2"},
      {"FbBidForSeat", "You now bid for %1: click the call, or press %2 for the lesson's call."},
      {"FbSlipKey", "'%1' makes no call: type a level (1-7), then a strain (%2); %3 passes."},
      {"FbSlipStrain", "'%1' is not a strain: type %2."},
      {"FbSlipEnter",
       "Enter makes no call: type a level (1-7), then a strain (%1), or %2 to pass."},
      {"FbStrainKeys", "%1, %2, %3, %4 or %5"},
      {"FbNoCallToTakeBack", "There is no call to take back."},
      {"FbHint", "Hint: %1"},
      {"FbHintLeadsNext", "%1 leads next; your turn comes after."},
      {"FbHintPlaysNext", "%1 plays next; your turn comes after."},
      {"FbHintClearFirst", "Clear the table first (Enter), then ask for a hint for your lead."},
      {"FbNotYourTurn", "It is %1's turn."},
      {"FbAlreadyPlayed", "%1 has been played."},
      {"FbNotHeld", "%2 does not hold %1."},
      {"FbFollowSuit", "Follow suit: %1 were led."},
      {"FbClubs", "clubs"},
      {"FbDiamonds", "diamonds"},
      {"FbHearts", "hearts"},
      {"FbSpades", "spades"},
      // A refused claim.
      {"FbClaimFails", "Claim refused: it fails by %1 against the best defence. For example: %2."},
      {"FbOneTrick", "one trick"},
      {"FbTricks", "%1 tricks"},
      {"FbCardBy", "%1 %2"},
      {"FbWinsTrick", "%1 wins the trick"},
  };
  for (const auto& [name, text] : words) MakeLabel(desk_, name, text, {})->hide();
  const std::array<const char*, 4> vulnerabilities{"None", "N-S", "E-W", "Both"};
  for (int v = 0; v < 4; ++v) {
    vulLabels_[v] =
        MakeLabel(desk_, QString("vul%1").arg(v).toLatin1().constData(), vulnerabilities[v], {});
    vulLabels_[v]->hide();
  }
}

QAction* TDeskTop::AddItem(QMenu* menu, const char* name, const QString& text,
                           const QKeySequence& key) {
  QAction* item = menu->addAction(text);
  item->setObjectName(name);
  if (!key.isEmpty()) item->setShortcut(key);
  return item;
}

void TDeskTop::CreateMenu() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("File1");
  connect(AddItem(file, "SetupOptions1", "&Preferences", Qt::Key_F2), &QAction::triggered, this,
          &TDeskTop::SetupOptions1Click);
  connect(AddItem(file, "NewHand1", "&New Hand", Qt::Key_F3), &QAction::triggered, this,
          &TDeskTop::NewHandClick);
  connect(AddItem(file, "SaveHandMenu", "&Save Hand"), &QAction::triggered, this,
          &TDeskTop::SaveHandMenuClick);
  connect(AddItem(file, "PlayaSavedHand1", "Play a Saved &Hand", Qt::Key_F4), &QAction::triggered,
          this, &TDeskTop::ButSavedHandClick);
  connect(AddItem(file, "Lessons1", "&Lessons…", QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, this, &TDeskTop::LessonsClick);
  connect(AddItem(file, "DeleteaSavedHand1", "&Delete a Saved Hand", Qt::Key_F5),
          &QAction::triggered, this, &TDeskTop::DeleteaSavedHandClick);
  connect(AddItem(file, "PrintHand1", "Prin&t Hand", Qt::Key_F6), &QAction::triggered, this,
          &TDeskTop::PrintHandClick);
  connect(AddItem(file, "ExportPdf1", "Export as &PDF…"), &QAction::triggered, this,
          &TDeskTop::ExportPdfClick);
  connect(AddItem(file, "ImportPbn1", "&Import PBN…"), &QAction::triggered, this,
          &TDeskTop::ImportPbnClick);
  connect(AddItem(file, "ExportPbn1", "Expo&rt PBN…"), &QAction::triggered, this,
          &TDeskTop::ExportPbnClick);
  file->addSeparator();
  connect(AddItem(file, "Exit1", "E&xit"), &QAction::triggered, this, &QWidget::close);

  QMenu* play = menuBar()->addMenu("Play &Options");
  play->setObjectName("PlayOptions1");
  connect(AddItem(play, "ReplayHand1", "Re&play Hand"), &QAction::triggered, session_,
          &GameSession::Replay);
  connect(AddItem(play, "RebidHand1", "Re&bid Hand"), &QAction::triggered, session_,
          &GameSession::Rebid);
  connect(AddItem(play, "ReviewHand1", "Re&view Hand", QKeySequence(Qt::CTRL | Qt::Key_R)),
          &QAction::triggered, this, &TDeskTop::ReviewHandClick);
  connect(AddItem(play, "ShowHands", "Show all &4 hands", Qt::Key_F8), &QAction::triggered, this,
          &TDeskTop::ShowHandsClick);
  connect(AddItem(play, "HideHands", "&Hide N, E, and W hands", Qt::Key_F9), &QAction::triggered,
          this, &TDeskTop::HideHandsClick);
  connect(AddItem(play, "ReviewBidding", "&Review Bidding", Qt::Key_F10), &QAction::triggered,
          auction_, &AuctionPanel::ReviewBiddingClick);
  connect(AddItem(play, "ClaimTricks1", "C&laim...", QKeySequence(Qt::CTRL | Qt::Key_L)),
          &QAction::triggered, this, &TDeskTop::ClaimClick);

  // The bidding system is shown, not chosen: the lessons are bid in one system.
  QMenu* system = menuBar()->addMenu("&Bidding System");
  system->setObjectName("BiddingSystem1");
  biddingSystemGroup_ = new QActionGroup(this);
  for (const auto& [name, text] :
       {std::pair{"DanishBasic1", "Danish &Basic"}, std::pair{"ForumD1", "Forum &D"},
        std::pair{"FrenchSIF1", "&French S.I.F."}, std::pair{"SwedishMS1", "&Swedish MS"}}) {
    QAction* item = AddItem(system, name, text);
    item->setCheckable(true);
    biddingSystemGroup_->addAction(item);
  }
  const QList<QAction*> systems = biddingSystemGroup_->actions();
  for (int i = 0; i < 3; ++i) systems[i]->setEnabled(false);
  // A click on an item only shows the system again: the mark stays where it was.
  connect(biddingSystemGroup_, &QActionGroup::triggered, this,
          [this] { BiddingSystemItem()->setChecked(true); });

  QMenu* language = menuBar()->addMenu("&Language");
  language->setObjectName("Language1");
  languageGroup_ = new QActionGroup(this);
  for (const auto& [name, text, index] :
       {std::tuple{"Danish1", "&Danish", 1}, std::tuple{"English1", "&English", 0},
        std::tuple{"French1", "&French", 3}, std::tuple{"German1", "&German", 4},
        std::tuple{"Norwegian1", "&Norwegian", 2}, std::tuple{"Swedish1", "&Swedish", 5}}) {
    QAction* item = AddItem(language, name, text);
    item->setCheckable(true);
    item->setData(index);
    languageGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, index] { LanguageClick(index); });
  }
  MenuItem("English1")->setChecked(true);

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("Help1");
  // F1 stands beside the item; the key itself opens the help at the topic of
  // what the player is looking at (the table's key filter sees to it), the
  // item at the contents.
  AddItem(help, "Contents1", "&Contents", Qt::Key_F1)->setShortcutContext(Qt::WidgetShortcut);
  AddItem(help, "AboutTavlo1", "&About Tavlo");
}

}  // namespace tavlo
