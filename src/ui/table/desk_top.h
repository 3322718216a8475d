#pragma once
// The card table, the program's main window. It reads a hand from the hand
// file, deals it, and enables every command by the phase the table is in; the
// auction, the play and the end of the hand run on it. Its handlers turn a
// click or a key into one call of the game's rules and then redraw.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "game/game.h"
#include "hands/hand_display.h"
#include "model/clock.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

namespace tavlo {

class BidBox;
class BidReviewPanel;
class ContractPicture;
class DupBoardPanel;
class HelpSystem;
class RunningMarker;
class StopLight;
class TBigIniFile;
class TDlgNewSeed;
class TMultiLang;
class TSplashScreen;

inline constexpr char HandFileName[] = "Saved Hands.INI";
inline constexpr char DeveloperMarkerName[] = "RFR.CDA";
inline constexpr char NewPlayerMessageText[] =
    "Go to the \"Preferences\" screen and type in a New Player Name";
// The splash screen stays at least this long, unless in developer mode.
inline constexpr double SplashSeconds = 6.0;

// What the start-up hands to the table.
struct TableSetup {
  QString ProgramFolder;
  const Clock* TimeSource = nullptr;
  OptionsRecord Options;
  std::unique_ptr<TBigIniFile> HandStore;
  std::unique_ptr<RunningMarker> Marker;
  // Up until the table's start is over; the table frees it.
  TSplashScreen* Splash = nullptr;
};

class TDeskTop : public QMainWindow {
  Q_OBJECT
 public:
  explicit TDeskTop(TableSetup setup);
  ~TDeskTop() override;

  Game& GameState() { return game_; }
  const Game& GameState() const { return game_; }
  TBigIniFile& HandStore() { return *handStore_; }
  const QString& NewPlayerMessage() const { return newPlayerMessage_; }
  // A menu item by its object name ("NewHand1", "ShowHands", ...).
  QAction* MenuItem(const QString& name) const;

  // Hand lifecycle.
  void NewHandClick();
  void ButSavedHandClick();
  void DeleteaSavedHandClick();
  void EOBRebidClick();
  void EOSReplayClick();
  // Reads section LessonNumber and starts it; a hand that cannot be dealt is
  // reported and the table stays as it was. Returns whether it started.
  bool ReadSavedHand();
  void StartNewHand();
  void ResetGame();

  // Enabling rules and panels.
  void HandActions(bool on);
  void HandMenuButtons();
  void ClosePanels();
  void CloseBidReviewClick();
  void MoveSouth(const QWidget* panel);
  void PrintTopLine();
  void GetNewPlayer();

  // Seats shown face up.
  void ShowHandsClick();
  void HideHandsClick();
  void LayOutAllHands(bool faceUp);

  // The board panel and the point display.
  void DupBoard();
  void ShowHCPPoints();
  QString TranslatedSeatName(int seat) const;
  QString BidSystemString() const;

  void LanguageClick(int language);
  void SetupOptions1Click();
  void RandomSeedKey();

  // The auction: the computer seats bid up to the user's turn, the user's
  // bids are checked against the script, and its end shows the contract.
  void AcceptBid();
  void BidToHuman();
  // Redraws the bid box, the bidding record, the stop light and the seat
  // headers for the seat to bid.
  void AdjustBidPad();
  void ProcessBid();
  void BadKey();
  void BidButClick(const QString& panelName);
  void ButHelpBidClick();
  void ButMakeBidClick();
  void ButTakeBackBidClick();
  void AfterBidding();
  void ShowStopLight();
  bool BidKeyDown(int key);
  void ReviewBiddingClick();
  // Filled by the play: the play from the opening lead, the play keys, the
  // trick area cleared, the developer's analysis.
  void StartPlay();
  bool PlayKeyDown(int key);
  void CleanTable();
  void DeveloperAnalysis();
  // Filled by the saved hands and the print-out.
  void SaveHandMenuClick();
  void PrintHandClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenu();
  void CreateCommandPanels();
  void CreateVocabulary();
  QAction* AddItem(QMenu* menu, const char* name, const QString& text,
                   const QKeySequence& key = {});
  QLabel* Vocabulary(const char* name) const;
  // The table's start, once, when the window is first shown.
  void FormShow();
  // The key dispatch: true when the key was taken.
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void SaveOptionsOnExit();
  // The seats just chosen face up, with dummy kept face up in the play.
  void ShowFaceUpSeats();
  // The item of the bidding system the lessons are bid in.
  QAction* BiddingSystemItem() const;
  // Reads the hand of section lesson; a deal that cannot be laid out is
  // reported and nothing changes. Returns whether the hand was read.
  bool LoadHand(int lesson);
  // The bid box's clicks go to the auction's handlers.
  void ConnectBidBox();
  // A bid was accepted (redraw, then the computer seats bid) or refused.
  void BidMade(bool made);
  // The contract, its doubling and declarer in the language of the table.
  void DrawContractPicture();

  Game game_;
  const Clock& clock_;
  QString programFolder_;
  std::unique_ptr<TBigIniFile> handStore_;
  std::unique_ptr<RunningMarker> marker_;
  TSplashScreen* splash_;
  std::unique_ptr<HelpSystem> help_;
  TMultiLang* multiLang_;
  TDlgNewSeed* newSeed_;
  bool started_ = false;
  double startTime_ = 0.0;
  QString newPlayerMessage_ = NewPlayerMessageText;
  // The key the table last looked at, and the control it went to first.
  const QEvent* lastKey_ = nullptr;
  QPointer<QWidget> lastKeyReceiver_;

  QWidget* desk_;
  BidBox* bidPad_;
  BidReviewPanel* bidReviewPanel_;
  StopLight* stopLight_;
  DupBoardPanel* dupBd_;
  QFrame* hcpPanel_;
  QLabel* nhcp_;
  QLabel* shcp_;
  QFrame* playPanel_;
  ContractPicture* contractImg_;
  QFrame* thePlayPad_;
  QFrame* endofBidding_;
  QFrame* endofScoring_;
  QPushButton* eobStart_;
  QPushButton* eosNewHand_;
  QPushButton* butSavedHand_;
  QPushButton* butReplayHand_;
  QTableWidget* scorePad_;
  QLabel* tableComment_;
  QFrame* tricksWL_;
  QFrame* table_;
  std::array<QFrame*, 4> handPanels_{};
  std::array<TMyCard*, 4> tableCards_{};
  // What every hand reads when it is laid out, and the four hands on screen.
  TableView tableView_;
  std::array<std::unique_ptr<HandDisplay>, 4> hands_;
  std::array<QLabel*, 4> vulLabels_{};
  QActionGroup* biddingSystemGroup_;
  QActionGroup* languageGroup_;
};

}  // namespace tavlo
