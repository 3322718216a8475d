#include "table/desk_top.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <array>
#include <cmath>

#include "cards/card_pictures.h"
#include "cards/my_card.h"
#include "common/colour.h"
#include "common/desk_scaler.h"
#include "common/notifier.h"
#include "common/running_marker.h"
#include "common/strings_resource.h"
#include "common/symbol_text_painter.h"
#include "common/timed_step.h"
#include "common/worker.h"
#include "dialogs/about_box.h"
#include "dialogs/colour_scheme.h"
#include "dialogs/new_seed_dialog.h"
#include "dialogs/setup_options.h"
#include "dialogs/splash_screen.h"
#include "game/claim_flow.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "handfile/big_ini_file.h"
#include "language/help_system.h"
#include "language/languages.h"
#include "language/multi_lang.h"
#include "language/qt_translations.h"
#include "options/options_file.h"
#include "print/print_form.h"
#include "print/print_page.h"
#include "table/auction_panel.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/board_panel.h"
#include "table/card_play_panel.h"
#include "table/contract_picture.h"
#include "table/end_of_hand_panel.h"
#include "table/feedback_line.h"
#include "table/review_form.h"
#include "table/table_layout.h"
#include "table/table_translations.h"
#include "table/trick_row.h"

namespace tavlo {

namespace {

constexpr int SouthLeft = 103, SouthLeftBesidePanel = 200;
// How often the table looks whether it takes input again, with keys held.
constexpr int HeldKeyLookMilliseconds = 10;
constexpr int CaptionLimit = 49;

bool HeldWhileWaiting(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace

TDeskTop::TDeskTop(TableSetup setup)
    : session_(new GameSession(*setup.TimeSource, std::move(setup.HandStore), setup.Options, this)),
      game_(session_->GameState()),
      folders_(setup.Folders),
      marker_(std::move(setup.Marker)),
      splash_(setup.Splash),
      help_(std::make_unique<HelpSystem>(setup.Folders.Data)),
      multiLang_(new TMultiLang(this)),
      startWait_(new TimedStep(*setup.TimeSource, this)) {
  setObjectName("DeskTop");
  heldKeyTimer_ = new QTimer(this);
  heldKeyTimer_->setSingleShot(true);
  heldKeyTimer_->setInterval(HeldKeyLookMilliseconds);
  connect(heldKeyTimer_, &QTimer::timeout, this, &TDeskTop::ApplyHeldKey);
  CreateControls();
  SizeTheWindow();
  LoadTableTranslations(*multiLang_);
  newSeed_ = new TDlgNewSeed(game_.Table.RandomSeed, *setup.TimeSource, this);
  printForm_ = new TPrintForm(this);
  ConnectFeatures();
  // The table sees every key before its controls do.
  qApp->installEventFilter(this);
}

TDeskTop::~TDeskTop() {
  qApp->removeEventFilter(this);
  if (startWait_->Waiting()) QApplication::restoreOverrideCursor();
  delete splash_;  // still up when the table was never shown or closed early
  SaveOptionsOnExit();
}

void TDeskTop::ConnectFeatures() {
  connect(MenuItem("Contents1"), &QAction::triggered, this,
          [this] { help_->ShowTopic(HelpContentsTopic, this); });
  connect(MenuItem("AboutTavlo1"), &QAction::triggered, this,
          [this] { (new TAboutBox(game_.Options.Language, this))->exec(); });

  connect(session_, &GameSession::Changed, this, &TDeskTop::Draw);
  connect(session_, &GameSession::HandBegun, this, &TDeskTop::HandBegun);
  connect(session_, &GameSession::ReplayBegun, this, [this] {
    endOfHand_->HideScore(true);
    hcpPanel_->hide();
  });
  connect(session_, &GameSession::AuctionOver, this,
          [this] { MenuItem("ReviewBidding")->setEnabled(true); });
  connect(session_, &GameSession::PlayBegun, this,
          [this] { MenuItem("ReplayHand1")->setEnabled(true); });
  connect(session_, &GameSession::HandOver, this, &TDeskTop::EndOfHand);
  connect(session_, &GameSession::FeedbackChanged, this,
          [this](const Feedback& feedback) { feedback_->Show(feedback, game_.Options.Language); });

  connect(auction_, &AuctionPanel::BidPadMoved, this, &TDeskTop::MoveSouth);
  connect(auction_, &AuctionPanel::StartPlayClicked, session_, &GameSession::StartPlay);
  connect(auction_, &AuctionPanel::RebidClicked, session_, &GameSession::Rebid);
  connect(auction_, &AuctionPanel::NewHandClicked, this, &TDeskTop::NewHandClick);
  connect(auction_, &AuctionPanel::SavedHandClicked, this, &TDeskTop::ButSavedHandClick);

  connect(endOfHand_, &EndOfHandPanel::NewHandClicked, this, &TDeskTop::NewHandClick);
  connect(endOfHand_, &EndOfHandPanel::SavedHandClicked, this, &TDeskTop::ButSavedHandClick);
  connect(endOfHand_, &EndOfHandPanel::ReplayClicked, session_, &GameSession::Replay);
  connect(endOfHand_, &EndOfHandPanel::ReviewClicked, this, &TDeskTop::ReviewHandClick);
}

QAction* TDeskTop::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

QLabel* TDeskTop::Vocabulary(const char* name) const { return desk_->findChild<QLabel*>(name); }

bool TDeskTop::Started() const { return started_ && !startWait_->Waiting(); }

bool TDeskTop::InputHeld() const { return startWait_->Waiting() || session_->Busy(); }

void TDeskTop::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (started_) return;
  started_ = true;
  FormShow();
}

void TDeskTop::FormShow() {
  const bool developerMode = QFile::exists(folders_.Find(DeveloperMarkerName));
  // The splash screen has its time from here on; the table gets ready
  // meanwhile and holds the user's input until it is over.
  if (!developerMode) startWait_->After(SplashSeconds, [this] { EndOfStart(); });
  // The table goes up behind the splash screen, which stays in front.
  if (splash_) {
    QTimer::singleShot(0, splash_, [splash = splash_] { splash->raise(); });
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QDir::setCurrent(folders_.User);

  StartUpInitialisation(game_, session_->TimeSource(), developerMode);
  LoadStringsResource("Alerts", game_.Auction.AlertTexts);
  session_->LoadWords();
  // In the order of the bidding systems of the options.
  constexpr std::array<const char*, 4> leadTables{"DANISHLEADS", "FORUMDLEADS", "FRENCHLEADS",
                                                  "SWEDISHLEADS"};
  for (std::size_t system = 0; system < leadTables.size(); ++system)
    LoadStringsResource(leadTables[system], game_.LeadTables[system]);
  LoadCardPictures(folders_);
  const bool darkFaces = game_.Options.DarkCards != 0;
  if (darkFaces != (FaceSet() == DarkFaces)) SetDarkFaces(darkFaces);
  if (game_.Options.CardBackDesign >= FirstRecolourableDesign) {
    RecolourBackDesign(game_.Options.CardBackColour, game_.Options.CardBackDesign);
  }
  MakeTrickPictures();

  for (int seat = North; seat <= West; ++seat) {
    hands_[seat] = std::make_unique<HandDisplay>(
        seat, handPanels_[seat], cardPlay_->PlayedCardControl(seat), game_.Hands[seat], tableView_);
  }
  GiveCardsTheBack();
  cardPlay_->SetHands(
      {hands_[North].get(), hands_[East].get(), hands_[South].get(), hands_[West].get()},
      tableView_);

  const QScreen* screen = this->screen();
  const int eastLeft = DeskPlace(handPanels_[East]).x();
  BidBox* bidPad = auction_->BidPad();
  MoveOnDesk(bidPad, {screen && screen->geometry().width() == 640 ? eastLeft : eastLeft + 140,
                      DeskPlace(bidPad).y()});
  MoveOnDesk(playPanel_, {eastLeft + 10, 3});

  HandActions(false);
  HideHandsClick();
  MenuItem("ReviewBidding")->setEnabled(false);
  MenuItem("SaveHandMenu")->setEnabled(false);
  HandMenuButtons();
  ApplyColourScheme(this, game_.Options.ColourScheme, false);

  LanguageClick(game_.Options.Language < LanguageCount ? game_.Options.Language : English);
  welcome_->setVisible(FirstStart());
  PrintTopLine();
  // The start screen offers New Hand, Saved Hand and Replay.
  Draw(Redraw::Panel);
  if (developerMode) EndOfStart();
}

void TDeskTop::EndOfStart() {
  newPlayerMessage_ = Vocabulary("LabelNewPlayerMessage")->text();
  delete splash_;
  splash_ = nullptr;
  QApplication::restoreOverrideCursor();
}

void TDeskTop::HandBegun() {
  welcome_->hide();
  // Every auction starts with the computer's hands face down, whatever was
  // shown of the last hand: the bidding exercise is not given away. The
  // hand is drawn as a whole next.
  MenuItem("ShowHands")->setEnabled(true);
  MenuItem("HideHands")->setEnabled(false);
  HideComputerHands(game_);
  endOfHand_->HideScore(false);
  HandActions(false);
  // A hand the hand file keeps with its play, or bid again after its end,
  // can be reviewed before the learner plays it (again).
  MenuItem("ReviewHand1")->setEnabled(session_->FinishedHand() != nullptr);
  MenuItem("ReviewBidding")->setEnabled(false);
  MenuItem("ReplayHand1")->setEnabled(false);
  auction_->CloseBidReviewClick();
  if (game_.Options.PlayerName.empty()) GetNewPlayer();
}

void TDeskTop::NewHandClick() {
  if (session_->NewHand()) MenuItem("SaveHandMenu")->setEnabled(false);
}

void TDeskTop::EndOfHand() {
  HandActions(true);
  ShowTheScore();
  MenuItem("SaveHandMenu")->setEnabled(true);
}

void TDeskTop::ShowTheScore() {
  const std::string result =
      HandResult(game_, TranslatedSeatName(game_.Auction.Declarer).toStdString(),
                 Vocabulary("Labeltrks")->text().toStdString());
  endOfHand_->ShowTheScore(QString::fromStdString(result), Vocabulary("LabelYourScore")->text(),
                           game_.Table.HandScore, game_.Options.Language);
}

void TDeskTop::MakeTrickPictures() {
  const QColor scheme = ToQColor(game_.Options.ColourScheme[0]);
  const QColor backColour = ToQColor(game_.Options.CardBackColour);
  const int design = game_.Options.CardBackDesign;
  cardPlay_->Tricks()->SetPictures(
      tavlo::MakeTrickPictures(BackPicture(design), scheme, backColour), [=](QSize pixels) {
        return tavlo::MakeTrickPictures(BackPictureAt(design, pixels), scheme, backColour);
      });
}

void TDeskTop::Draw(Redraw parts) {
  if (Includes(parts, Redraw::Board)) {
    PrintTopLine();
    dupBd_->show();
    DupBoard();
  }
  if (Includes(parts, Redraw::Comment)) {
    // Both read with the suits' signs where the words mark them ("1~H").
    const int language = game_.Options.Language;
    tableComment_->setText(SymbolPlainText(QString::fromStdString(game_.Table.Comment), language));
    lessonPoint_->setText(
        SymbolPlainText(QString::fromStdString(game_.Table.LessonPoint), language));
    // As tall as its words need, within its place; the words are measured
    // at the width and in the font they are shown in.
    const double factor = DeskFactor(lessonPoint_);
    const int needed = int(std::ceil(
        lessonPoint_->heightForWidth(int(std::lround(LessonPointPlace.width() * factor))) /
        factor));
    PlaceOnDesk(lessonPoint_,
                {LessonPointPlace.topLeft(),
                 QSize(LessonPointPlace.width(), std::min(LessonPointPlace.height(), needed))});
    lessonPoint_->setVisible(!game_.Table.LessonPoint.empty());
  }
  if (Includes(parts, Redraw::Trick)) cardPlay_->DrawTrick();
  // At the end of the hand every card is on show again.
  if (Includes(parts, Redraw::Hands)) LayOutAllHands(game_.Table.TablePhase == Phase::EndOfHand);
  if (Includes(parts, Redraw::Contract)) DrawContractPanel();
  if (Includes(parts, Redraw::Points)) ShowHCPPoints();
  if (Includes(parts, Redraw::Auction)) auction_->DrawAuction();
  if (Includes(parts, Redraw::Panel)) ShowPhasePanel();
  // A claim needs a card played and a card left: greyed, Ctrl+L does not
  // merely beep in the auction.
  MenuItem("ClaimTricks1")->setEnabled(CanClaim(game_));
}

void TDeskTop::ShowPhasePanel() {
  ClosePanels();
  switch (game_.Table.TablePhase) {
    case Phase::EndOfBidding:
      auction_->ShowEndOfBidding();
      break;
    case Phase::Play:
    case Phase::Analysis:
      cardPlay_->ShowPlayPad();
      break;
    case Phase::EndOfHand:
    case Phase::NoHand:
      endOfHand_->ShowEndOfScoring(game_.Table.TablePhase == Phase::EndOfHand);
      break;
    case Phase::Bidding:
      break;
  }
}

void TDeskTop::DrawContractPanel() {
  const Phase phase = game_.Table.TablePhase;
  if (phase == Phase::Bidding || phase == Phase::NoHand) {
    contractImg_->hide();
    playPanel_->hide();
    return;
  }
  DrawContractPicture();
  contractImg_->show();
  PrintWonTricks();
}

void TDeskTop::DrawContractPicture() {
  contractImg_->FillBidBuf(game_.Auction, ToQColor(game_.Options.ColourScheme[0]),
                           auction_->BidPad()->Panel("PassBut")->text(),
                           Vocabulary("ByLabel")->text(),
                           TranslatedSeatName(game_.Auction.Declarer), game_.Options.Language);
}

void TDeskTop::PrintWonTricks() {
  const TrickCounts tricks = WonTricks(game_);
  nsTricks_->setText(QString::number(tricks.NorthSouth));
  ewTricks_->setText(QString::number(tricks.EastWest));
  playPanel_->show();
  playPanel_->repaint();
}

void TDeskTop::HandActions(bool on) {
  for (const char* name :
       {"ReplayHand1", "RebidHand1", "SaveHandMenu", "PrintHand1", "ExportPdf1", "ReviewHand1"}) {
    MenuItem(name)->setEnabled(on);
  }
  endOfHand_->ReplayButton()->setEnabled(on);
  endOfHand_->ReviewButton()->setEnabled(on);
}

void TDeskTop::HandMenuButtons() {
  const bool anyHand = HandStore().Sections().Count() > 0;
  endOfHand_->SavedHandButton()->setEnabled(anyHand);
  MenuItem("PlayaSavedHand1")->setEnabled(anyHand);
  MenuItem("DeleteaSavedHand1")->setEnabled(anyHand);
  MenuItem("ExportPbn1")->setEnabled(anyHand);
}

void TDeskTop::ClosePanels() {
  cardPlay_->ThePlayPad()->hide();
  auction_->EndofBidding()->hide();
  endOfHand_->EndofScoring()->hide();
}

void TDeskTop::MoveSouth(const QWidget* panel) {
  QFrame* south = handPanels_[South];
  const int left = panel->isVisible() && DeskPlace(panel).x() < SouthLeftBesidePanel
                       ? SouthLeftBesidePanel
                       : SouthLeft;
  const QRect place = DeskPlace(south);
  if (place.x() == left) return;
  MoveOnDesk(south, {left, place.y()});
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
  MenuItem("HideHands")->setEnabled(true);
  MenuItem("ShowHands")->setEnabled(false);
  Draw(ShowAllHands(game_));
}

void TDeskTop::HideHandsClick() {
  MenuItem("ShowHands")->setEnabled(true);
  MenuItem("HideHands")->setEnabled(false);
  Draw(HideComputerHands(game_));
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
  return auction_->Review()->SeatHeader(seat)->text();
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
  session_->SetLanguage(language);
  for (QAction* item : languageGroup_->actions()) {
    if (item->data().toInt() == language) item->setChecked(true);
  }
  multiLang_->SetActiveLanguage(language);
  UseQtTranslations(language);
  Notifier::SetLanguage(language);
  help_->ChooseHelpFile(language);
  auction_->SetLanguage(language, Vocabulary("LabelRedbl")->text(), Vocabulary("LabelDbl")->text(),
                        Vocabulary("LabelPass")->text());
  if (game_.Hands.DealLoaded()) ShowHCPPoints();
  if (contractImg_->isVisible()) DrawContractPicture();
  DupBoard();
  if (endOfHand_->ScoreShown()) ShowTheScore();
  feedback_->SetLanguage(language);
  WriteWelcome();
  Draw(Redraw::Comment);
  PrintTopLine();
  newPlayerMessage_ = Vocabulary("LabelNewPlayerMessage")->text();
}

void TDeskTop::RandomSeedKey() {
  newSeed_->SetLanguage(game_.Options.Language);
  newSeed_->SetColourScheme(game_.Options.ColourScheme);
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
  if (key == Qt::Key_F12 && game_.Table.DeveloperMode && game_.Table.TablePhase == Phase::Play) {
    session_->DeveloperSearch();
    return true;
  }
  if (modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier)) return false;
  // Space presses the button the focus is on, in every phase.
  if (key == Qt::Key_Space) return false;
  // Escape puts the review of the auction away, as it closes a dialog.
  if (key == Qt::Key_Escape && auction_->Review()->CloseButton()->isVisible()) {
    auction_->CloseBidReviewClick();
    return true;
  }
  switch (game_.Table.TablePhase) {
    case Phase::Bidding:
      return auction_->BidKeyDown(key);
    case Phase::Play:
      return cardPlay_->PlayKeyDown(key);
    default:
      return false;
  }
}

bool TDeskTop::KeySeenBefore(const QKeyEvent* key, QWidget* receiver) {
  // A key its first control does not take travels on to the control's
  // parents, and the table sees it again at each. The key is known again by
  // its code and time stamp: the next key may well be made at the same place
  // in memory, so the event's address tells nothing.
  const bool travelling = key->key() == lastKey_.Key && key->timestamp() == lastKey_.Timestamp &&
                          lastKey_.Receiver && receiver != lastKey_.Receiver &&
                          receiver->isAncestorOf(lastKey_.Receiver);
  if (!travelling) lastKey_ = {key->key(), key->timestamp(), receiver};
  return travelling;
}

bool TDeskTop::eventFilter(QObject* watched, QEvent* event) {
  if (!HeldWhileWaiting(event->type())) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  // F1 opens the help at what the player is looking at, in the table or a
  // window of it, even while the table works.
  if (widget && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && ShowHelpAt(widget))
    return true;
  if (!widget || widget->window() != this || QApplication::activeModalWidget()) return false;
  // Keys typed while the engine or the solver works count once it is done,
  // in order, as the user typed ahead; a key typed while keys wait waits
  // behind them. During the pauses of the start and of the computer's calls
  // the user's input is only held back.
  // Whatever the user does while a claim is being checked calls the check
  // off, and then does what it does.
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
    session_->CancelClaim();
  const bool working = session_->Jobs().Busy() || (!heldKeys_.empty() && !applyingHeldKey_);
  if (working || InputHeld()) {
    if (working && event->type() == QEvent::KeyPress) HoldKey(*static_cast<QKeyEvent*>(event));
    // Taken as a plain key, so no short-cut fires either.
    event->accept();
    return true;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (KeySeenBefore(key, widget)) return false;
  return FormKeyDown(key->key(), key->modifiers());
}

void TDeskTop::HoldKey(const QKeyEvent& key) {
  // A key held down repeats on its own; only the keys the user typed count.
  if (key.isAutoRepeat()) return;
  heldKeys_.push_back({key.key(), key.modifiers(), key.text()});
  heldKeyTimer_->start();
}

void TDeskTop::ApplyHeldKey() {
  if (heldKeys_.empty()) return;
  if (InputHeld() || QApplication::activeModalWidget()) {
    heldKeyTimer_->start();
    return;
  }
  const HeldKey held = heldKeys_.front();
  heldKeys_.pop_front();
  // The key does what it would have done, typed now: a menu's short-cut,
  // else the table's key or its control's.
  const QKeySequence typed(QKeyCombination(held.Modifiers, static_cast<Qt::Key>(held.Key)));
  bool done = false;
  for (QAction* item : findChildren<QAction*>()) {
    if (item->isEnabled() && item->shortcut() == typed) {
      item->trigger();
      done = true;
      break;
    }
  }
  if (!done) {
    QKeyEvent press(QEvent::KeyPress, held.Key, held.Modifiers, held.Text);
    // A time of its own, so the table does not take it for the key before.
    static ulong replayed = 0;
    press.setTimestamp(++replayed);
    QWidget* target = QApplication::focusWidget();
    applyingHeldKey_ = true;
    QApplication::sendEvent(target && target->window() == this ? target : this, &press);
    applyingHeldKey_ = false;
  }
  if (!heldKeys_.empty()) heldKeyTimer_->start();
}

void TDeskTop::closeEvent(QCloseEvent* event) {
  help_->Quit();
  // A dialog of the table still up, the review or the developer's test
  // display, closes with it, so the program ends.
  for (QDialog* dialog : findChildren<QDialog*>()) {
    if (dialog->isVisible()) dialog->reject();
  }
  SaveDisplaySettings();
  QMainWindow::closeEvent(event);
}

void TDeskTop::SaveOptionsOnExit() {
  // A user who deleted the options file while playing asked for a fresh
  // start: only an existing file is written back.
  const QString file = folders_.UserFile(OptionsFileName);
  if (!QFile::exists(file)) return;
  if (const Status saved = SaveOptions(game_.Options, file.toStdString()); !saved)
    Notifier::Current().Message(QString::fromStdString(saved.Error()));
}

void TDeskTop::LayOutAllHands(bool faceUp) {
  if (!hands_[North]) return;
  // The hand over, its cards lie in the order of a spade contract.
  tableView_.Trump = game_.Table.TablePhase == Phase::EndOfHand ? Spades : game_.Auction.Trump;
  tableView_.SuitOrderOption = game_.Options.SuitOrderOption;
  tableView_.ShowAllHands = game_.Table.ShowAllHands;
  tableView_.HandCornerColour = game_.Options.ColourScheme[1];
  tableView_.PlayedCornerColour = game_.Options.ColourScheme[2];
  tableView_.BackDesign = game_.Options.CardBackDesign;
  tableView_.BackColour = game_.Options.CardBackColour;
  tavlo::LayOutAllHands(
      {hands_[North].get(), hands_[East].get(), hands_[South].get(), hands_[West].get()}, faceUp);
}

// The preferences.

void TDeskTop::SetupOptions1Click() {
  TSetupOptions dialog(game_.Options, folders_.UserFile(OptionsFileName), newPlayerMessage_,
                       desk_->findChildren<TMyCard*>(), this);
  if (dialog.exec() == QDialog::Accepted) PreferencesChosen();
  // The screen colours are the table's at once, however the dialog closed.
  ApplyColourScheme(this, game_.Options.ColourScheme, true);
}

void TDeskTop::PreferencesChosen() {
  PrintTopLine();
  GiveCardsTheBack();
  MakeTrickPictures();
  Draw(FaceUpSeatsChosen(game_));
  // The cards of the trick take the corners the hands have just set, and
  // the row of tricks the new back.
  Draw(Redraw::Trick);
  if (contractImg_->isVisible()) DrawContractPicture();
}

void TDeskTop::GiveCardsTheBack() {
  for (const auto& hand : hands_) {
    if (!hand) continue;
    for (TMyCard* card : hand->CardControls()) {
      card->SetBackDesign(game_.Options.CardBackDesign);
      card->SetBackColor(game_.Options.CardBackColour);
    }
  }
}

// The print-out and the review, of the hand as it ended, also while it is
// played again; the saved hands' handlers are in desk_top_saved_hands.cpp.
void TDeskTop::PrintHandClick() {
  const Game* hand = session_->FinishedHand();
  if (!hand) return;
  const QString problem = PrintHand(this, *printForm_, *hand, game_.Options.Language,
                                    MenuItem("ExportPdf1")->text().remove('&'));
  if (!problem.isEmpty()) Notifier::Current().Message(problem);
}

void TDeskTop::ReviewHandClick() {
  const Game* hand = session_->FinishedHand();
  if (!hand) return;
  if (!reviewForm_) reviewForm_ = new ReviewForm(session_->Jobs(), session_->TimeSource(), this);
  reviewForm_->ReviewHand(*hand, game_.Options.Language,
                          auction_->Review()->Grid()->CallCaptions());
  reviewForm_->show();
  reviewForm_->raise();
}

void TDeskTop::ExportPdfClick() {
  const Game* hand = session_->FinishedHand();
  if (!hand) return;
  const QString problem = ExportHandAsPdf(this, *printForm_, *hand, game_.Options.Language,
                                          MenuItem("ExportPdf1")->text().remove('&'));
  if (!problem.isEmpty()) Notifier::Current().Message(problem);
}

}  // namespace tavlo
