// The review's figures in sentences, in English and French, as the shipped
// table words them: par for the kinds of par there are, and the summary of
// a hand played without a mistake, with one costly card and with one that
// cost two tricks.

#include "table/review_sentences.h"

#include <gtest/gtest.h>

#include <QMap>

#include "language/translation_table.h"

namespace tavlo {
namespace {

ReviewWord ShippedWords(int language) {
  const std::optional<QStringList> table =
      ReadTranslationTable(TAVLO_SOURCE_DIR "/resources/lang/review_form.tsv");
  EXPECT_TRUE(table.has_value());
  QMap<QString, QString> words;
  for (qsizetype at = 0; table && at + LanguageCount < table->size(); at += LanguageCount + 1)
    words[(*table)[at]] = (*table)[at + 1 + language];
  return [words](const char* key) {
    EXPECT_TRUE(words.contains(key)) << key;
    return words.value(key);
  };
}

struct ParCase {
  ParResult par;
  QString english;
  QString french;
};

TEST(ReviewSentences, ParIsSaidWithWhoPlaysWhatAndTheScore) {
  const std::vector<ParCase> cases{
      {{300, {{5, Clubs, "EW", true, 0, 2}}},
       "Par: East-West play 5♣ doubled and go down two: North-South +300",
       "Par : Est-Ouest jouent 5♣ contré, deux de chute : Nord-Sud +300"},
      {{-630, {{3, NoTrump, "E", false, 1, 0}}},
       "Par: East plays 3NT and takes 10 tricks: East-West +630",
       "Par : Est joue 3SA et fait 10 levées : Est-Ouest +630"},
      {{420, {{4, Hearts, "NS", false, 0, 0}, {4, Spades, "NS", false, 0, 0}}},
       "Par: North-South play 4♥ and take 10 tricks or North-South play 4♠ and take 10 tricks: "
       "North-South +420",
       "Par : Nord-Sud jouent 4♥ et font 10 levées ou Nord-Sud jouent 4♠ et font 10 levées : "
       "Nord-Sud +420"},
      {{-100, {{6, Diamonds, "S", true, 0, 1}}},
       "Par: South plays 6♦ doubled and goes down one: East-West +100",
       "Par : Sud joue 6♦ contré, un de chute : Est-Ouest +100"},
      {{0, {}}, "Par: the hand is passed out.", "Par : la donne est passée."},
  };
  const ReviewWord english = ShippedWords(English), french = ShippedWords(French);
  for (const ParCase& test : cases) {
    EXPECT_EQ(ParSentence(test.par, English, english), test.english);
    EXPECT_EQ(ParSentence(test.par, French, french), test.french);
  }
}

// A few cards are enough for the summary: it reads only the cards
// North-South gave tricks away with.
HandReview Played(int made, int afterLead, std::vector<ReviewedCard> cards) {
  HandReview review;
  review.TricksMade = made;
  review.AfterLead = afterLead;
  for (std::size_t at = 0; at < cards.size(); ++at) {
    const ReviewedCard& card = cards[at];
    if (SideOfSeat(card.Seat) != NorthSouth || card.Cost == 0) continue;
    if (!review.FirstNorthSouthCost) review.FirstNorthSouthCost = at;
    review.LostByNorthSouth += card.Cost;
    review.CostlyNorthSouthCards.push_back(card.Played);
  }
  review.Cards = std::move(cards);
  return review;
}

TEST(ReviewSentences, TheSummarySaysTheTricksAndTheFirstCardThatGaveOneAway) {
  const Card heartFive = MakeCard(5, Hearts), heartKing = MakeCard(King, Hearts),
             heartQueen = MakeCard(Queen, Hearts), spadeTwo = MakeCard(2, Spades),
             spadeAce = MakeCard(Ace, Spades);
  // West leads; North-South's cards at the second trick cost tricks.
  auto card = [](Card played, SeatCode seat, int cost, std::vector<Card> best) {
    return ReviewedCard{played, seat, cost, std::move(best)};
  };
  const std::vector<ReviewedCard> firstTrick{
      card(MakeCard(3, Clubs), West, 0, {}), card(MakeCard(4, Clubs), North, 0, {}),
      card(MakeCard(5, Clubs), East, 0, {}), card(MakeCard(6, Clubs), South, 0, {})};
  std::vector<ReviewedCard> oneCost = firstTrick, twoCost = firstTrick;
  oneCost.insert(oneCost.end(),
                 {card(MakeCard(7, Clubs), South, 0, {}), card(MakeCard(8, Clubs), West, 1, {}),
                  card(heartFive, North, 1, {heartKing, heartQueen}), card(spadeTwo, East, 0, {})});
  twoCost.insert(twoCost.end(),
                 {card(MakeCard(7, Clubs), South, 0, {}), card(MakeCard(8, Clubs), West, 0, {}),
                  card(spadeTwo, North, 2, {spadeAce}), card(heartFive, East, 0, {}),
                  card(heartKing, South, 1, {})});

  struct Case {
    HandReview review;
    QString english;
    QString french;
  };
  HandReview passedOut;
  passedOut.PassedOut = true;
  const std::vector<Case> cases{
      {Played(10, 10, firstTrick),
       "Declarer took 10 tricks. With best play by both sides from the opening lead, declarer "
       "takes 10 tricks. North-South gave nothing away.",
       "Le déclarant a fait 10 levées. Avec le meilleur jeu des deux camps dès l'entame, le "
       "déclarant fait 10 levées. Nord-Sud n'a rien perdu."},
      {Played(8, 9, oneCost),
       "Declarer took 8 tricks. With best play by both sides from the opening lead, declarer "
       "takes 9 tricks. Tricks North-South gave away: 1 (♥5). The first trick your side gave "
       "away: at trick 2 North played ♥5, and ♥K or ♥Q was better.",
       "Le déclarant a fait 8 levées. Avec le meilleur jeu des deux camps dès l'entame, le "
       "déclarant fait 9 levées. Levées perdues par Nord-Sud : 1 (♥5). Première levée perdue par "
       "votre camp : à la levée 2, Nord a joué ♥5 ; mieux valait ♥K ou ♥Q."},
      {Played(7, 10, twoCost),
       "Declarer took 7 tricks. With best play by both sides from the opening lead, declarer "
       "takes 10 tricks. Tricks North-South gave away: 3 (♠2, ♥K). The first tricks your side "
       "gave away: at trick 2 North played ♠2, which cost two tricks, and ♠A was better.",
       "Le déclarant a fait 7 levées. Avec le meilleur jeu des deux camps dès l'entame, le "
       "déclarant fait 10 levées. Levées perdues par Nord-Sud : 3 (♠2, ♥K). Premières levées "
       "perdues par votre camp : à la levée 2, Nord a joué ♠2, qui a coûté deux levées ; mieux "
       "valait ♠A."},
      {passedOut, "Passed out: there is no play to review.",
       "Donne passée : il n'y a pas de jeu à revoir."},
  };
  const ReviewWord english = ShippedWords(English), french = ShippedWords(French);
  for (const Case& test : cases) {
    EXPECT_EQ(SummarySentences(test.review, english), test.english);
    EXPECT_EQ(SummarySentences(test.review, french), test.french);
  }
  // Where the engine would have played the better card, its rule ends the
  // sentence of the first costly card.
  EXPECT_TRUE(SummarySentences(cases[1].review, english, "third hand high")
                  .endsWith("and ♥K or ♥Q was better — third hand high."));
  EXPECT_TRUE(SummarySentences(cases[1].review, french, "troisième main haute")
                  .endsWith("mieux valait ♥K ou ♥Q — troisième main haute."));
}

}  // namespace
}  // namespace tavlo
