#pragma once
// The feedback line: a line of text on the table, under the bidding
// record and the play pad, that says in the learner's language what became
// of the last thing tried (a call or a card refused and why, the keys typed
// so far, whose call it is after a take-back, the hint), with suit symbols
// drawn as elsewhere. It never moves another control. A text too long for
// one line is read whole on as many lines as it takes: the line grows
// upward, or starts further left or right, where it covers nothing the
// learner reads or presses at that moment.

#include <QFont>
#include <QFrame>
#include <QString>
#include <QStringList>
#include <functional>

#include "game/feedback.h"

namespace tavlo {

class FeedbackLine : public QFrame {
  Q_OBJECT
 public:
  // word(name) reads a word of the table's vocabulary in the language in
  // force; seatName(seat) a seat's name in it.
  FeedbackLine(std::function<QString(const char*)> word, std::function<QString(int)> seatName,
               QWidget* desk);

  void Show(const Feedback& feedback, int language);
  // The language changed: the same feedback in the new words.
  void SetLanguage(int language);
  // The text with its "~" suit markup; empty when nothing is said.
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString Compose() const;
  // Breaks the text into lines and puts the line where they fit.
  void Place();
  QString CallText(Bid call) const;
  // A key of the auction that made no call, and the keys that make one.
  QString SlipText(const Feedback& f) const;
  // A refused claim: by how many tricks, and the defence's cards in words.
  QString ShortfallText(int tricks) const;
  QString DefenceText(const Feedback& f) const;

  std::function<QString(const char*)> word_;
  std::function<QString(int)> seatName_;
  Feedback feedback_;
  int language_ = 0;
  QString text_;
  // The text as it is drawn, line by line.
  QStringList lines_;
  // The font at the table's own size, in which the lines are broken.
  QFont ownFont_;
};

}  // namespace tavlo
