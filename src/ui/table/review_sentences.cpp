#include "table/review_sentences.h"

#include <QStringList>

#include "common/symbol_text_painter.h"
#include "model/symbol_text.h"

namespace tavlo {

namespace {

// "two" for 2: how a teacher says a small count ("go down two").
QString NumberWord(int number, const ReviewWord& word) {
  const QStringList words = word("NumberWords").split(' ', Qt::SkipEmptyParts);
  return number >= 1 && number <= words.size() ? words[number - 1] : QString::number(number);
}

// "East-West play 5♣ doubled and go down two", "North plays 3NT and takes
// 10 tricks": a pair and a single seat take their own verb forms.
QString ParContractSentence(const ParContract& contract, int language, const ReviewWord& word) {
  QString played = QString::number(contract.Level) + StrainSign(contract.Strain, language);
  if (contract.Doubled) played = word("ParDoubled").arg(played);
  const bool pair = contract.Seats.size() == 2;
  const QString side = pair ? word(contract.Seats == "NS" ? "LabelNS" : "LabelEW")
                            : word(SeatWords[SeatOfLetter(contract.Seats)]);
  if (contract.Undertricks > 0)
    return word(pair ? "ParPairDown" : "ParSeatDown")
        .arg(side, played, NumberWord(contract.Undertricks, word));
  return word(pair ? "ParPairTakes" : "ParSeatTakes")
      .arg(side, played, QString::number(6 + contract.Level + contract.Overtricks));
}

// The first card with which North-South gave a trick away and the cards
// that were better there.
QString FirstCostFacts(const HandReview& review, const ReviewWord& word) {
  const ReviewedCard& card = review.Cards[*review.FirstNorthSouthCost];
  QStringList better;
  for (const Card best : card.Best) better << CardSign(best);
  const QString trick = QString::number(*review.FirstNorthSouthCost / 4 + 1);
  const QString betterCards = better.join(" " + word("LabelOr") + " ");
  if (card.Cost == 1)
    return word("LabelFirstCostOne")
        .arg(trick, word(SeatWords[card.Seat]), CardSign(card.Played), betterCards);
  return word("LabelFirstCostMany")
      .arg(trick, word(SeatWords[card.Seat]), CardSign(card.Played), betterCards,
           NumberWord(card.Cost, word));
}

// The same, then the engine's phrase for the better card ("third hand
// high") when the engine would have played it.
QString FirstCostSentence(const HandReview& review, const ReviewWord& word,
                          const QString& betterCardPhrase) {
  QString sentence = FirstCostFacts(review, word);
  if (betterCardPhrase.isEmpty()) return sentence;
  if (sentence.endsWith('.')) sentence.chop(1);
  return sentence + QStringLiteral(" — ") + betterCardPhrase + '.';
}

}  // namespace

QString SuitSign(int suit) {
  static const std::array<QString, 4> signs{"♣", "♦", "♥", "♠"};
  return signs[suit];
}

QString CardSign(Card card) { return SymbolPlainText(QString::fromStdString(CardMarkup(card))); }

QString StrainSign(StrainCode strain, int language) {
  return strain == NoTrump ? SymbolGlyph(SymbolOfLetter('N', language)) : SuitSign(strain);
}

QString ParSentence(const ParResult& par, int language, const ReviewWord& word) {
  if (par.Contracts.empty()) return word("ParPassedOut");
  QStringList contracts;
  for (const ParContract& contract : par.Contracts)
    contracts << ParContractSentence(contract, language, word);
  const bool northSouth = par.ScoreNorthSouth >= 0;
  const QString score = word(northSouth ? "LabelNS" : "LabelEW") + " +" +
                        QString::number(northSouth ? par.ScoreNorthSouth : -par.ScoreNorthSouth);
  return word("LabelPar").arg(contracts.join(" " + word("LabelOr") + " "), score);
}

QString SummarySentences(const HandReview& review, const ReviewWord& word,
                         const QString& betterCardPhrase) {
  if (review.PassedOut) return word("LabelPassedOut");
  QStringList sentences{word("LabelMade").arg(review.TricksMade),
                        word("LabelAfterLead").arg(review.AfterLead)};
  if (review.LostByNorthSouth == 0) {
    sentences << word("LabelNothingLost");
  } else {
    QStringList cards;
    for (const Card card : review.CostlyNorthSouthCards) cards << CardSign(card);
    sentences << word("LabelGaveAway").arg(review.LostByNorthSouth).arg(cards.join(", "))
              << FirstCostSentence(review, word, betterCardPhrase);
  }
  return sentences.join(' ');
}

}  // namespace tavlo
