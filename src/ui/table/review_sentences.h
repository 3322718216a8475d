#pragma once
// The review's figures said in sentences a learner reads: what declarer
// took, what best play from the opening lead gives, par, and the first card
// with which the learner's side gave a trick away. The sentences are built
// from the review's translated templates, so each language words them its
// own way; the figures come from the analysis of the hand.

#include <QString>
#include <functional>

#include "analysis/hand_review.h"

namespace tavlo {

// The text of one of the review's words ("LabelPar", "NumberWords", ...) in
// the language shown.
using ReviewWord = std::function<QString(const char* key)>;

// The seat letters of the review's words, North to West.
inline constexpr std::array<const char*, 4> SeatWords{"LabelN", "LabelE", "LabelS", "LabelW"};

QString SuitSign(int suit);
// "♠A", "♥10": a card as the table shows it.
QString CardSign(Card card);
// A strain as the language shows it: the suit's sign, or its no-trump sign.
QString StrainSign(StrainCode strain, int language);

// "Par: East-West play 5♣ doubled and go down two: North-South +300".
QString ParSentence(const ParResult& par, int language, const ReviewWord& word);

// What declarer took, what best play from the opening lead gives, what
// North-South gave away and the first card that did it; for a hand passed
// out, that there is no play. betterCardPhrase, when there is one, says why
// the engine would have played the better card ("third hand high").
QString SummarySentences(const HandReview& review, const ReviewWord& word,
                         const QString& betterCardPhrase = {});

}  // namespace tavlo
