#include "table/desk_top.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include "cards/card_pictures.h"
#include "cards/my_card.h"
#include "common/notifier.h"
#include "common/strings_resource.h"
#include "dialogs/about_box.h"
#include "dialogs/colour_scheme.h"
#include "dialogs/new_seed_dialog.h"
#include "dialogs/splash_screen.h"
#include "game/hand_lifecycle.h"
#include "handfile/big_ini_file.h"
#include "language/help_system.h"
#include "language/languages.h"
#include "language/multi_lang.h"
#include "model/expose_dummy.h"
#include "options/options_file.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/board_panel.h"
#include "table/contract_picture.h"
#include "table/running_marker.h"
#include "table/stop_light.h"
#include "table/table_translations.h"
#include "table/timed_wait.h"

namespace tavlo {

namespace {

constexpr int SouthLeft = 103, SouthLeftBesidePanel = 200;
constexpr int CaptionLimit = 49;

}  // namespace

TDeskTop::TDeskTop(TableSetup setup)
    : clock_(*setup.TimeSource),
      programFolder_(setup.ProgramFolder),
      handStore_(std::move(setup.HandStore)),
      marker_(std::move(setup.Marker)),
      splash_(setup.Splash),
      help_(std::make_unique<HelpSystem>(setup.ProgramFolder)),
      multiLang_(new TMultiLang(this)) {
  setObjectName("DeskTop");
  game_.Options = setup.Options;
  CreateControls();
  LoadTableTranslations(*multiLang_);
  newSeed_ = new TDlgNewSeed(game_.Table.RandomSeed, clock_, this);

  connect(MenuItem("Contents1"), &QAction::triggered, this, [this] { help_->ShowContents(); });
  connect(MenuItem("AboutTavlo1"), &QAction::triggered, this,
          [this] { (new TAboutBox(game_.Options.Language, this))->exec(); });
  connect(bidReviewPanel_->CloseButton(), &QPushButton::clicked, this,
          &TDeskTop::CloseBidReviewClick);
  ConnectBidBox();
  // The table sees every key before its controls do.
  qApp->installEventFilter(this);
}

TDeskTop::~TDeskTop() {
  qApp->removeEventFilter(this);
  delete splash_;  // still up when the table was never shown
  SaveOptionsOnExit();
}

QAction* TDeskTop::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

QLabel* TDeskTop::Vocabulary(const char* name) const { return desk_->findChild<QLabel*>(name); }

void TDeskTop::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (started_) return;
  started_ = true;
  FormShow();
}

void TDeskTop::FormShow() {
  startTime_ = clock_.Seconds();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  stopLight_->hide();
  QDir::setCurrent(programFolder_);

  StartUpInitialisation(game_, clock_,
                        QFile::exists(QDir(programFolder_).filePath(DeveloperMarkerName)));
  LoadStringsResource("Alerts", game_.Auction.AlertTexts);
  LoadCardPictures(programFolder_);
  const bool darkFaces = game_.Options.DarkCards != 0;
  if (darkFaces != (FaceSet() == DarkFaces)) SetDarkFaces(darkFaces);
  if (game_.Options.CardBackDesign >= FirstRecolourableDesign) {
    RecolourBackDesign(game_.Options.CardBackColour, game_.Options.CardBackDesign);
  }

  for (int seat = North; seat <= West; ++seat) {
    hands_[seat] = std::make_unique<HandDisplay>(seat, handPanels_[seat], tableCards_[seat],
                                                 game_.Hands[seat], tableView_);
    for (TMyCard* card : hands_[seat]->CardControls()) {
      card->SetBackDesign(game_.Options.CardBackDesign);
      card->SetBackColor(game_.Options.CardBackColour);
    }
  }

  CloseBidReviewClick();
  endofScoring_->move(thePlayPad_->pos());
  endofBidding_->move(thePlayPad_->pos());
  ClosePanels();
  endofScoring_->show();

  const QScreen* screen = this->screen();
  const int eastLeft = handPanels_[East]->x();
  bidPad_->move(screen && screen->geometry().width() == 640 ? eastLeft : eastLeft + 140,
                bidPad_->y());
  bidPad_->hide();
  playPanel_->hide();
  playPanel_->move(eastLeft + 10, 3);
  hcpPanel_->hide();
  dupBd_->hide();
  scorePad_->hide();

  eosNewHand_->setFocus();
  HandActions(false);
  HideHandsClick();
  MenuItem("ReviewBidding")->setEnabled(false);
  MenuItem("SaveHandMenu")->setEnabled(false);
  HandMenuButtons();
  game_.Table.LessonNumber = 0;
  ApplyColourScheme(this, game_.Options.ColourScheme, false);

  LanguageClick(game_.Options.Language < LanguageCount ? game_.Options.Language : English);
  bidPad_->SetupBidPad(game_.Options.Language);
  PrintTopLine();

  if (!game_.Table.DeveloperMode) WaitUntilSecondsSince(clock_, startTime_, SplashSeconds);
  newPlayerMessage_ = Vocabulary("LabelNewPlayerMessage")->text();
  delete splash_;
  splash_ = nullptr;
  QApplication::restoreOverrideCursor();
}

bool TDeskTop::LoadHand(int lesson) {
  if (DealProblem problem = tavlo::ReadSavedHand(game_, *handStore_, lesson)) {
    Notifier::Current().Message(QString::fromStdString(UndealableHandMessage(lesson, *problem)));
    return false;
  }
  tableComment_->setText(QString::fromStdString(game_.Record.Comment));
  return true;
}

bool TDeskTop::ReadSavedHand() {
  if (!LoadHand(game_.Table.LessonNumber)) return false;
  StartNewHand();
  return true;
}

void TDeskTop::NewHandClick() {
  if (!LoadHand(NextLessonNumber(game_.Table.LessonNumber))) return;
  tableComment_->clear();
  MenuItem("SaveHandMenu")->setEnabled(false);
  StartNewHand();
}

void TDeskTop::StartNewHand() {
  ClosePanels();
  scorePad_->hide();
  playPanel_->hide();
  HandActions(false);
  MenuItem("ReviewBidding")->setEnabled(false);
  CloseBidReviewClick();
  if (game_.Options.PlayerName.empty()) GetNewPlayer();

  tavlo::StartNewHand(game_, clock_);
  ResetGame();

  PrintTopLine();
  MenuItem("ReplayHand1")->setEnabled(false);
  dupBd_->show();
  DupBoard();
  contractImg_->hide();
  stopLight_->show();
  LayOutAllHands(false);
  ShowHCPPoints();
  AdjustBidPad();
  AcceptBid();
}

void TDeskTop::ResetGame() {
  // The rules reset the auction, the play and the deal; the table clears
  // what it shows of them.
  tavlo::ResetGame(game_, clock_);
  CleanTable();
  hcpPanel_->hide();
}

void TDeskTop::EOBRebidClick() {
  game_.Table.TablePhase = PhaseBidding;
  StartNewHand();
}

void TDeskTop::EOSReplayClick() {
  ClosePanels();
  scorePad_->hide();
  scorePad_->setEnabled(false);
  game_.Table.HandStartTime = clock_.Now();
  game_.Hands.ApplySeatOptions(static_cast<std::uint32_t>(game_.Options.UserSeats),
                               static_cast<std::uint32_t>(game_.Options.FaceUpSeats));
  game_.Table.ShowAllHands = false;
  hcpPanel_->hide();
  game_.Hands.RestoreDeal();
  StartPlay();
}

void TDeskTop::HandActions(bool on) {
  for (const char* name : {"ReplayHand1", "RebidHand1", "SaveHandMenu", "PrintHand1"}) {
    MenuItem(name)->setEnabled(on);
  }
  butReplayHand_->setEnabled(on);
}

void TDeskTop::HandMenuButtons() {
  const bool anyHand = handStore_->Sections().Count() > 0;
  butSavedHand_->setEnabled(anyHand);
  MenuItem("PlayaSavedHand1")->setEnabled(anyHand);
  MenuItem("DeleteaSavedHand1")->setEnabled(anyHand);
}

void TDeskTop::ClosePanels() {
  thePlayPad_->hide();
  endofBidding_->hide();
  endofScoring_->hide();
}

void TDeskTop::CloseBidReviewClick() {
  bidReviewPanel_->hide();
  bidReviewPanel_->CloseButton()->hide();
}

void TDeskTop::MoveSouth(const QWidget* panel) {
  QFrame* south = handPanels_[South];
  const int left =
      panel->isVisible() && panel->x() < SouthLeftBesidePanel ? SouthLeftBesidePanel : SouthLeft;
  if (south->x() == left) return;
  south->move(left, south->y());
  if (south->isVisible()) LayOutAllHands(false);
}

void TDeskTop::PrintTopLine() {
  const QString caption = "Tavlo 1 Demo -  " + QString::fromStdString(game_.Options.PlayerName);
  setWindowTitle(caption.left(CaptionLimit));
}

void TDeskTop::GetNewPlayer() {
  Notifier::Current().Message(newPlayerMessage_);
  SetupOptions1Click();
}

void TDeskTop::ShowHandsClick() {
  ShowAllHands(game_);
  MenuItem("HideHands")->setEnabled(true);
  MenuItem("ShowHands")->setEnabled(false);
  ShowFaceUpSeats();
}

void TDeskTop::HideHandsClick() {
  HideComputerHands(game_);
  MenuItem("ShowHands")->setEnabled(true);
  MenuItem("HideHands")->setEnabled(false);
  ShowFaceUpSeats();
}

void TDeskTop::ShowFaceUpSeats() {
  if (!game_.Hands.DealLoaded()) return;
  // Hiding the computer's hands must not hide dummy once it is on the table.
  if (game_.Table.TablePhase == PhasePlay && game_.Play.CardsPlayed > 0) {
    ExposeDummy(game_.Hands, game_.Auction.Declarer);
  }
  LayOutAllHands(false);
  ShowHCPPoints();
}

void TDeskTop::DupBoard() {
  BoardFacts facts;
  facts.BoardNumber = game_.Table.LessonNumber;
  facts.Dealer = game_.Auction.Dealer;
  facts.Vulnerability = game_.Record.Vulnerability;
  facts.DealerName = TranslatedSeatName(game_.Auction.Dealer);
  facts.VulnerabilityName = vulLabels_[facts.Vulnerability & 3]->text();
  facts.BiddingSystemName = BidSystemString();
  dupBd_->DupBoard(facts);
}

void TDeskTop::ShowHCPPoints() {
  const PointsDisplay display = PointsTexts(game_, Vocabulary("LabelHCP")->text().toStdString());
  nhcp_->setText(QString::fromStdString(display.North));
  shcp_->setText(QString::fromStdString(display.South));
  hcpPanel_->show();
}

QString TDeskTop::TranslatedSeatName(int seat) const {
  return bidReviewPanel_->SeatHeader(seat)->text();
}

QAction* TDeskTop::BiddingSystemItem() const {
  const QList<QAction*> systems = biddingSystemGroup_->actions();
  return systems[game_.Options.BiddingSystem <= 2 ? game_.Options.BiddingSystem : 3];
}

QString TDeskTop::BidSystemString() const {
  QAction* item = BiddingSystemItem();
  item->setChecked(true);
  QString text = item->text();
  const qsizetype ampersand = text.indexOf('&');
  if (ampersand >= 0) text.remove(ampersand, 1);
  return text;
}

void TDeskTop::LanguageClick(int language) {
  game_.Options.Language = static_cast<std::uint8_t>(language);
  for (QAction* item : languageGroup_->actions()) {
    if (item->data().toInt() == language) item->setChecked(true);
  }
  multiLang_->SetActiveLanguage(language);
  help_->ChooseHelpFile(language);
  bidReviewPanel_->Grid()->SetCallCaptions(Vocabulary("LabelRedbl")->text(),
                                           Vocabulary("LabelDbl")->text(),
                                           Vocabulary("LabelPass")->text());
  bidReviewPanel_->Grid()->SetLanguage(language);
  if (game_.Hands.DealLoaded()) {
    ShowHCPPoints();
    bidReviewPanel_->Grid()->ShowAuction(game_.Auction);
  }
  bidPad_->SetupBidPad(language);
  if (contractImg_->isVisible()) DrawContractPicture();
  DupBoard();
  PrintTopLine();
  newPlayerMessage_ = Vocabulary("LabelNewPlayerMessage")->text();
}

void TDeskTop::RandomSeedKey() {
  newSeed_->SetLanguage(game_.Options.Language);
  newSeed_->exec();
  // The consistency stop of the play names the hand by this number.
  game_.Play.HandNumber = newSeed_->HandNumber();
  NewHandClick();
}

bool TDeskTop::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_F11) {
    RandomSeedKey();
    return true;
  }
  if (key == Qt::Key_F12) {
    if (!game_.Table.DeveloperMode || game_.Table.TablePhase != PhasePlay) return false;
    DeveloperAnalysis();
    return true;
  }
  if (modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier)) return false;
  switch (game_.Table.TablePhase) {
    case PhaseBidding:
      return BidKeyDown(key);
    case PhasePlay:
      return PlayKeyDown(key);
    default:
      return false;
  }
}

bool TDeskTop::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this || QApplication::activeModalWidget()) return false;
  // A key not taken travels on from its control to the control's parents:
  // the table looks at it only when it first arrives.
  if (event == lastKey_ && lastKeyReceiver_ && widget != lastKeyReceiver_ &&
      widget->isAncestorOf(lastKeyReceiver_)) {
    return false;
  }
  lastKey_ = event;
  lastKeyReceiver_ = widget;
  const auto* key = static_cast<QKeyEvent*>(event);
  return FormKeyDown(key->key(), key->modifiers());
}

void TDeskTop::closeEvent(QCloseEvent* event) {
  help_->Quit();
  QMainWindow::closeEvent(event);
}

void TDeskTop::SaveOptionsOnExit() {
  // A user who deleted the options file while playing asked for a fresh
  // start: only an existing file is written back.
  const QString file = QDir(programFolder_).filePath(OptionsFileName);
  if (QFile::exists(file)) SaveOptions(game_.Options, file.toStdString());
}

void TDeskTop::LayOutAllHands(bool faceUp) {
  if (!hands_[North]) return;
  tableView_.Trump = game_.Auction.Trump;
  tableView_.SuitOrderOption = game_.Options.SuitOrderOption;
  tableView_.ShowAllHands = game_.Table.ShowAllHands;
  tableView_.HandCornerColour = game_.Options.ColourScheme[1];
  tableView_.PlayedCornerColour = game_.Options.ColourScheme[2];
  tableView_.BackDesign = game_.Options.CardBackDesign;
  tableView_.BackColour = game_.Options.CardBackColour;
  tavlo::LayOutAllHands(
      {hands_[North].get(), hands_[East].get(), hands_[South].get(), hands_[West].get()}, faceUp);
}

// The handlers below belong to the parts of the table built on this one.

void TDeskTop::ButSavedHandClick() {}
void TDeskTop::DeleteaSavedHandClick() {}
void TDeskTop::SetupOptions1Click() {}
void TDeskTop::StartPlay() {}
bool TDeskTop::PlayKeyDown(int) { return false; }
void TDeskTop::CleanTable() {}
void TDeskTop::DeveloperAnalysis() {}
void TDeskTop::SaveHandMenuClick() {}
void TDeskTop::PrintHandClick() {}

}  // namespace tavlo
