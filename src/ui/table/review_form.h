#pragma once
// The review of a finished hand beside its auction: the auction as bid with
// every alert explained, the double-dummy trick table and par, and the play
// trick by trick with what each card cost its side under perfect play. The
// learner steps through the tricks and sees the four hands as they stood,
// with the seat to lead and its best cards marked; a legend says what the
// marks mean, and the figures are said again in sentences.

#include <QDialog>
#include <array>
#include <optional>

#include "analysis/hand_review.h"
#include "engine/card_rule.h"
#include "game/game.h"
#include "model/clock.h"
#include "table/review_sentences.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tavlo {

class BidReviewGrid;
class TMultiLang;
class Worker;

class ReviewForm : public QDialog {
  Q_OBJECT
 public:
  // The analysis is a job of worker; the engine's look at a better card
  // keeps the time of clock.
  ReviewForm(Worker& worker, const Clock& clock, QWidget* parent = nullptr);

  // Shows the hand of game in the language, its calls named by callCaptions
  // (redouble, double, pass) as the table names them, and analyses it away
  // from the window; the play and the summary come when the analysis is done.
  // Closing the review stops an analysis under way.
  void ReviewHand(const Game& game, int language, const std::array<QString, 3>& callCaptions);

  // From the start of the analysis until its answer is on the window.
  bool Analysing() const { return analysing_; }
  const std::optional<HandReview>& Review() const { return review_; }
  // The trick shown, 1..13; 0 before the analysis is done.
  int Trick() const { return trick_; }
  void ShowTrick(int trick);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  // The analysis, and why the engine would have played the better card
  // where North-South first gave a trick away, when it would have.
  struct Answer {
    Result<HandReview> Review;
    std::optional<CardReason> BetterCardReason;
  };
  void AnalysisDone(const Answer& answer);
  void ShowTable();
  void ShowPlay();
  void ShowSummary();
  QString Word(const char* name) const;
  ReviewWord Words() const;

  int language_ = 0;
  bool analysing_ = false;
  std::optional<HandReview> review_;
  std::optional<CardReason> betterCardReason_;
  int trick_ = 0;
  Worker& worker_;
  const Clock& clock_;
  TMultiLang* multiLang_;
  BidReviewGrid* auction_;
  QTableWidget* ddTable_;
  QLabel* par_;
  QTableWidget* playGrid_;
  std::array<QLabel*, 4> hands_{};
  QLabel* trickLabel_;
  QPushButton* previous_;
  QPushButton* next_;
  QLabel* summary_;
  QLabel* legend_;
  QProgressBar* progress_;
};

}  // namespace tavlo
