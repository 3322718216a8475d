#pragma once
// The feedback line: one line of text on the table, under the bidding
// record and the play pad, that says in the learner's language what became
// of the last thing tried (a call or a card refused and why, the keys typed
// so far, whose call it is after a take-back, the hint), with suit symbols
// drawn as elsewhere. It never moves another control; a text too long for
// it ends in "…" and shows whole as its hint.

#include <QFrame>
#include <QString>
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
  QString CallText(Bid call) const;
  // A refused claim: by how many tricks, and the defence's cards in words.
  QString ShortfallText(int tricks) const;
  QString DefenceText(const Feedback& f) const;

  std::function<QString(const char*)> word_;
  std::function<QString(int)> seatName_;
  Feedback feedback_;
  int language_ = 0;
  QString text_;
};

// A card as the line writes it: the suit's symbol, then its rank ("~H10").
QString CardMarkup(Card card);

}  // namespace tavlo
