// The controls of the card table, where they lie, and the main menu. Every
// control carries the name the rest of the program and the translation table
// know it by.

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "cards/my_card.h"
#include "dialogs/colour_scheme.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/board_panel.h"
#include "table/contract_picture.h"
#include "table/desk_top.h"
#include "table/stop_light.h"

namespace tavlo {

namespace {

// Where the table's parts lie. The trick area sits between the four hands;
// the board panel takes the top left corner, so North's hand starts right
// of it, and the bid box, the stop light and the bidding record stand at
// the right. The bid box covers the right part of East's hand during the
// auction, so the hands at the side start level with it. The hands of North and South are as wide
// as thirteen cards face up; those of East and West hold four rows of a suit each.
constexpr QRect DupBdPlace(8, 5, 210, 100);
constexpr QRect TablePlace(213, 110, 240, 200);
constexpr std::array<QRect, 4> HandPlaces{QRect(220, 5, 345, 100), QRect(560, 110, 190, 203),
                                          QRect(103, 318, 345, 100), QRect(8, 110, 190, 203)};
constexpr QPoint PadPlace(455, 310);
constexpr QSize PadSize(200, 150);
constexpr QRect CommentPlace(103, 422, 345, 36);
constexpr QRect TricksPlace(8, 462, 400, 97);
constexpr QRect HCPPlace(455, 470, 170, 48);
constexpr QSize DeskSize(965, 565);

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& place, int tag) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setGeometry(place);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetSchemeTag(panel, tag);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

QPushButton* AddButton(QFrame* pad, const char* name, const QString& text,
                       const QString& hint = {}) {
  auto* button = new QPushButton(text, pad);
  button->setObjectName(name);
  // The table focuses the command to take next: Enter takes it, as Space does.
  button->setAutoDefault(true);
  if (!hint.isEmpty()) button->setToolTip(hint);
  pad->layout()->addWidget(button);
  return button;
}

QFrame* MakePad(QWidget* parent, const char* name) {
  QFrame* pad = MakePanel(parent, name, QRect(PadPlace, PadSize), 2);
  auto* layout = new QVBoxLayout(pad);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(4);
  return pad;
}

}  // namespace

void TDeskTop::CreateControls() {
  desk_ = new QWidget(this);
  desk_->setObjectName("Desk");
  desk_->setFixedSize(DeskSize);
  setCentralWidget(desk_);

  dupBd_ = new DupBoardPanel(desk_);
  dupBd_->setGeometry(DupBdPlace);
  SetSchemeTag(dupBd_, 2);

  table_ = MakePanel(desk_, "Table", TablePlace, 2);
  table_->setFrameStyle(QFrame::NoFrame);
  for (int seat = North; seat <= West; ++seat) {
    const QString name = QString::fromLatin1(SeatNames[seat].data());
    handPanels_[seat] =
        MakePanel(desk_, ("Hand" + name).toLatin1().constData(), HandPlaces[seat], 1);
    handPanels_[seat]->setFrameStyle(QFrame::NoFrame);
    tableCards_[seat] = new TMyCard(table_);
    tableCards_[seat]->setObjectName("Table" + name);
    tableCards_[seat]->hide();
  }

  playPanel_ = MakePanel(desk_, "PlayPanel", QRect(HandPlaces[East].left() + 10, 3, 200, 100), 2);
  MakeLabel(playPanel_, "PlayPanelLabel1", "Contract", {8, 4, 184, 18});
  contractImg_ = new ContractPicture(playPanel_);
  contractImg_->setObjectName("ContractImg");
  contractImg_->move(8, 24);
  contractImg_->hide();
  MakeLabel(playPanel_, "PlayPanelLabel2", "N-S tricks", {8, 52, 120, 18});
  MakeLabel(playPanel_, "PlayPanelNSTrks", "0", {130, 52, 60, 18});
  MakeLabel(playPanel_, "PlayPanelLabel3", "E-W tricks", {8, 74, 120, 18});
  MakeLabel(playPanel_, "PlayPanelEWTrks", "0", {130, 74, 60, 18});

  hcpPanel_ = MakePanel(desk_, "HCPPanel", HCPPlace, 2);
  MakeLabel(hcpPanel_, "HCPNorthLabel", "North", {8, 4, 70, 18});
  MakeLabel(hcpPanel_, "HCPSouthLabel", "South", {8, 24, 70, 18});
  nhcp_ = MakeLabel(hcpPanel_, "NHCP", "", {80, 4, 84, 18});
  shcp_ = MakeLabel(hcpPanel_, "SHCP", "", {80, 24, 84, 18});

  bidPad_ = new BidBox(desk_);
  bidPad_->move(HandPlaces[East].left() + 140, TablePlace.top());
  stopLight_ = new StopLight(desk_);
  stopLight_->move(bidPad_->geometry().right() + 8, TablePlace.top());
  SetSchemeTag(stopLight_, 2);

  bidReviewPanel_ = new BidReviewPanel(desk_);
  bidReviewPanel_->move(bidPad_->x(), bidPad_->geometry().bottom() + 8);
  SetSchemeTag(bidReviewPanel_, 2);

  scorePad_ = new QTableWidget(3, 2, desk_);
  scorePad_->setObjectName("ScorePad");
  scorePad_->horizontalHeader()->hide();
  scorePad_->verticalHeader()->hide();
  scorePad_->setGeometry(bidReviewPanel_->x(), bidReviewPanel_->y(), 240, 3 * 18 + 4);
  scorePad_->verticalHeader()->setDefaultSectionSize(18);

  tableComment_ = MakeLabel(desk_, "TableComment", "", CommentPlace);
  tableComment_->setWordWrap(true);
  tableComment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  tricksWL_ = new QFrame(desk_);
  tricksWL_->setObjectName("TricksWL");
  tricksWL_->setGeometry(TricksPlace);
  for (int k = 1; k <= 13; ++k) {
    auto* picture = new QLabel(tricksWL_);
    picture->setObjectName(QString("Image%1").arg(k));
    picture->move(25 * (k - 1), 1);
    picture->hide();
  }

  CreateCommandPanels();
  CreateVocabulary();
  CreateMenu();
}

void TDeskTop::CreateCommandPanels() {
  thePlayPad_ = MakePad(desk_, "ThePlayPad");
  AddButton(thePlayPad_, "ButHint", "H&int", "Recommended card gets highlighted");
  AddButton(thePlayPad_, "ButPlayHint", "Play H&int", "Highlighted card gets played");
  AddButton(thePlayPad_, "TPPFast", "&Finish Play", "Have Tavlo play all 4 hands for you");
  AddButton(thePlayPad_, "TPPBackup", "Take &Back", "Take away the last card");
  AddButton(thePlayPad_, "ButClearTable", "Cl&ear Table", "Clear all cards off the table");

  endofBidding_ = MakePad(desk_, "EndofBidding");
  eobStart_ = AddButton(endofBidding_, "EOBStart", "S&tart Play");
  auto* rebid = AddButton(endofBidding_, "EOBRebid", "&Rebid");
  auto* newHand = AddButton(endofBidding_, "EOBNewHand", "Ne&w Hand");
  auto* takeBack = AddButton(endofBidding_, "EOBTakeBack", "Sa&ved Hand");
  connect(eobStart_, &QPushButton::clicked, this, &TDeskTop::StartPlay);
  connect(rebid, &QPushButton::clicked, this, &TDeskTop::EOBRebidClick);
  connect(newHand, &QPushButton::clicked, this, &TDeskTop::NewHandClick);
  connect(takeBack, &QPushButton::clicked, this, &TDeskTop::ButSavedHandClick);

  endofScoring_ = MakePad(desk_, "EndofScoring");
  eosNewHand_ = AddButton(endofScoring_, "EOSNewHand", "Play a &New Hand");
  butSavedHand_ = AddButton(endofScoring_, "ButSavedHand", "Play a &Saved Hand");
  butReplayHand_ = AddButton(endofScoring_, "ButReplayHand", "Replay &This Hand");
  connect(eosNewHand_, &QPushButton::clicked, this, &TDeskTop::NewHandClick);
  connect(butSavedHand_, &QPushButton::clicked, this, &TDeskTop::ButSavedHandClick);
  connect(butReplayHand_, &QPushButton::clicked, this, &TDeskTop::EOSReplayClick);
}

void TDeskTop::CreateVocabulary() {
  // Words the table composes its texts from; hidden, translated like any
  // caption, so a language switch changes them too.
  const std::array<std::pair<const char*, const char*>, 17> words{{
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
      {"SC0", "C"},
      {"SC1", "D"},
      {"SC2", "H"},
      {"SC3", "S"},
      {"SC4", "N"},
      {"SCpass", "P"},
      {"SCDouble", "X"},
  }};
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
  connect(AddItem(file, "DeleteaSavedHand1", "&Delete a Saved Hand", Qt::Key_F5),
          &QAction::triggered, this, &TDeskTop::DeleteaSavedHandClick);
  connect(AddItem(file, "PrintHand1", "Prin&t Hand", Qt::Key_F6), &QAction::triggered, this,
          &TDeskTop::PrintHandClick);
  file->addSeparator();
  connect(AddItem(file, "Exit1", "E&xit"), &QAction::triggered, this, &QWidget::close);

  QMenu* play = menuBar()->addMenu("Play &Options");
  play->setObjectName("PlayOptions1");
  connect(AddItem(play, "ReplayHand1", "Re&play Hand"), &QAction::triggered, this,
          &TDeskTop::EOSReplayClick);
  connect(AddItem(play, "RebidHand1", "Re&bid Hand"), &QAction::triggered, this,
          &TDeskTop::StartNewHand);
  connect(AddItem(play, "ShowHands", "Show all &4 hands", Qt::Key_F8), &QAction::triggered, this,
          &TDeskTop::ShowHandsClick);
  connect(AddItem(play, "HideHands", "&Hide N, E, and W hands", Qt::Key_F9), &QAction::triggered,
          this, &TDeskTop::HideHandsClick);
  connect(AddItem(play, "ReviewBidding", "&Review Bidding", Qt::Key_F10), &QAction::triggered, this,
          &TDeskTop::ReviewBiddingClick);

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
  AddItem(help, "Contents1", "&Contents");
  AddItem(help, "AboutTavlo1", "&About Tavlo");
}

}  // namespace tavlo
