#pragma once
// The card table, the program's main window. It holds the menus, sees every
// key first and passes it to the feature of the phase, and assembles the
// table from its features (the auction, the play, the end of the hand) and
// the parts every phase shows (the board, the hands, the points, the
// contract). The running game lies below it in a session: the window
// forwards the user's commands there and draws what the session says has
// changed.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <deque>
#include <memory>

#include "common/program_folders.h"
#include "game/game.h"
#include "game/redraw.h"
#include "hands/hand_display.h"
#include "model/clock.h"
#include "session/game_session.h"

class QAction;
class QActionGroup;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QTimer;

namespace tavlo {

class AuctionPanel;
class CardPlayPanel;
class ContractPicture;
class DeskView;
class DupBoardPanel;
class EndOfHandPanel;
class FeedbackLine;
class GameSession;
class HelpSystem;
class RunningMarker;
class TBigIniFile;
class TDlgNewSeed;
class TPrintForm;
class ReviewForm;
class TGetSavedHandForm;
class LessonLibrary;
class LessonsWindow;
class TSaveForm;
class TimedStep;
class TMultiLang;
class TSplashScreen;

inline constexpr char DeveloperMarkerName[] = "RFR.CDA";
inline constexpr char NewPlayerMessageText[] =
    "Go to the \"Preferences\" screen and type in a New Player Name";
// The splash screen stays at least this long, unless in developer mode.
inline constexpr double SplashSeconds = 6.0;

// What the start-up hands to the table.
struct TableSetup {
  ProgramFolders Folders;
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

  GameSession& Session() { return *session_; }
  Game& GameState() { return game_; }
  const Game& GameState() const { return game_; }
  TBigIniFile& HandStore() { return session_->HandStore(); }
  AuctionPanel& Auction() { return *auction_; }
  const QString& NewPlayerMessage() const { return newPlayerMessage_; }
  // A menu item by its object name ("NewHand1", "ShowHands", ...).
  QAction* MenuItem(const QString& name) const;
  // The table's start is over (the splash screen has gone).
  bool Started() const;
  // A step of the game waits for its pause or a job: the user's input is
  // held back.
  bool InputHeld() const;
  // Keys typed while the input was held wait to be applied.
  bool KeysWaiting() const { return !heldKeys_.empty(); }

  // What the table draws that tests read: the seats in the language, the
  // bidding system's name, and South's hand moved aside for a panel.
  void MoveSouth(const QWidget* panel);
  void LayOutAllHands(bool faceUp);
  void DupBoard();
  // The trick row's pictures from the card back in force: at the start,
  // and again whenever the back or the table's colours change.
  void MakeTrickPictures();
  QString TranslatedSeatName(int seat) const;
  QString BidSystemString() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The menu's and the panels' commands.
  void NewHandClick();
  void ButSavedHandClick();
  void LessonsClick();
  void DeleteaSavedHandClick();
  void ShowHandsClick();
  void HideHandsClick();
  void LanguageClick(int language);
  void SetupOptions1Click();
  void RandomSeedKey();
  void SaveHandMenuClick();
  void PrintHandClick();
  void ExportPdfClick();
  void ReviewHandClick();
  // Hands in Portable Bridge Notation: a file the user chooses comes into
  // the hand file as new saved hands; chosen hands (or all) go out to one.
  void ImportPbnClick();
  void ExportPbnClick();
  // The user's side claims tricks, as many as the claim dialog says.
  void ClaimClick();

  // Enabling rules and panels.
  void HandActions(bool on);
  void HandMenuButtons();
  void ClosePanels();
  void PrintTopLine();
  void GetNewPlayer();
  void ShowHCPPoints();
  void PrintWonTricks();

  void CreateControls();
  // The window at the table's own size, or as the player left it.
  void SizeTheWindow();
  // Zoom and the deck's colours.
  void CreateViewMenu();
  void SaveDisplaySettings() const;
  void CreateMenu();
  void CreateVocabulary();
  void ConnectFeatures();
  QAction* AddItem(QMenu* menu, const char* name, const QString& text,
                   const QKeySequence& key = {});
  QLabel* Vocabulary(const char* name) const;
  // The table's start, once, when the window is first shown; its end once
  // the splash screen has had its time.
  void FormShow();
  void EndOfStart();
  // The key dispatch: true when the key was taken.
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  // A key travelling on from its first control to the control's parents.
  bool KeySeenBefore(const QKeyEvent* key, QWidget* receiver);
  // Keys typed while the table held its input, as the user typed them: they
  // are applied in order once the table takes input again, as they would
  // wait in the window's queue.
  void HoldKey(const QKeyEvent& key);
  void ApplyHeldKey();
  void SaveOptionsOnExit();
  // After the preferences' OK: the caption, the card backs, the hands and
  // the trick drawn again as the options now have them.
  void PreferencesChosen();
  // Every card of the four hands shows the back design and colour of the options.
  void GiveCardsTheBack();
  // The item of the bidding system the lessons are bid in.
  QAction* BiddingSystemItem() const;
  // The welcome on the table for a player who has played no hand yet: no
  // mark of the lessons and no played hand in the hand file. It points to
  // the lessons and to New Hand by their keys, and goes when a hand comes.
  void CreateWelcome();
  bool FirstStart();
  void WriteWelcome();
  QString LessonProgressFile() const;
  // F1: the help at the topic of the control with the focus, or of the
  // window it is in, or of the table's phase. False when the control is not
  // in the table or a window it opened.
  bool ShowHelpAt(const QWidget* focus);
  QString HelpTopicAt(const QWidget* focus) const;
  // A new hand came to the table: what the last one showed goes.
  void HandBegun();
  // The play is over: the hand can be replayed, rebid, saved and printed.
  void EndOfHand();
  void ShowTheScore();
  // Draws the parts of the table an operation of the game changed.
  void Draw(Redraw parts);
  // The command panel of the phase, the others closed.
  void ShowPhasePanel();
  // The contract and the trick counts once the auction is over.
  void DrawContractPanel();
  // The contract, its doubling and declarer in the language of the table.
  void DrawContractPicture();

  // The saved hands: the picker and the save dialog, made when first asked
  // for and kept until the table closes.
  TGetSavedHandForm* SavedHandPicker();
  TSaveForm* SaveForm();
  TGetSavedHandForm* getSavedHand_ = nullptr;
  TSaveForm* saveForm_ = nullptr;
  // The lesson packs and the learner's marks, read when first shown.
  LessonLibrary* lessons_ = nullptr;
  LessonsWindow* lessonsWindow_ = nullptr;

  GameSession* session_;
  Game& game_;
  ProgramFolders folders_;
  std::unique_ptr<RunningMarker> marker_;
  TSplashScreen* splash_;
  std::unique_ptr<HelpSystem> help_;
  TMultiLang* multiLang_;
  TDlgNewSeed* newSeed_;
  TPrintForm* printForm_;
  ReviewForm* reviewForm_ = nullptr;
  TimedStep* startWait_;
  bool started_ = false;
  QString newPlayerMessage_ = NewPlayerMessageText;
  struct HeldKey {
    int Key = 0;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
  };
  std::deque<HeldKey> heldKeys_;
  // A held key is being applied: it goes its way, not back to the queue.
  bool applyingHeldKey_ = false;
  QTimer* heldKeyTimer_;
  // The key the table last looked at and the control it came to first.
  struct SeenKey {
    int Key = 0;
    ulong Timestamp = 0;
    QPointer<QWidget> Receiver;
  } lastKey_;

  QWidget* desk_;
  // Shows the desk as large as the window lets it.
  DeskView* view_;
  AuctionPanel* auction_;
  CardPlayPanel* cardPlay_;
  EndOfHandPanel* endOfHand_;
  FeedbackLine* feedback_;
  DupBoardPanel* dupBd_;
  QFrame* hcpPanel_;
  QLabel* nhcp_;
  QLabel* shcp_;
  QFrame* playPanel_;
  ContractPicture* contractImg_;
  QLabel* nsTricks_;
  QLabel* ewTricks_;
  QLabel* tableComment_;
  QLabel* lessonPoint_;
  QLabel* welcome_;
  std::array<QFrame*, 4> handPanels_{};
  // What every hand reads when it is laid out, and the four hands on screen.
  TableView tableView_;
  std::array<std::unique_ptr<HandDisplay>, 4> hands_;
  std::array<QLabel*, 4> vulLabels_{};
  QActionGroup* biddingSystemGroup_;
  QActionGroup* languageGroup_;
};

}  // namespace tavlo
