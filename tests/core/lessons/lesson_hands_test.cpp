// Every lesson hand, the ten of the hand file and those of the lesson packs,
// checked as a teacher checks them: a complete deal and an auction the table
// can play out to the named declarer's contract; every call true to the
// lessons' system (its range and shape, its stop light, its alert); every
// alert explained and every text in six languages; point counts that match
// the cards; a contract that makes double dummy where the lesson bids it,
// and a lead setting that names a good suit.

#include "lesson_hands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "analysis/double_dummy.h"
#include "auction/auction.h"
#include "auction/bidding_system.h"
#include "auction/call_rules.h"
#include "model/bid_text.h"
#include "model/hand_data.h"

namespace tavlo {
namespace {

using testing_support::LessonHand;
using testing_support::Lessons;

// Calls that depart from the system on purpose: the hand, the call (from 1)
// and the words of the hand's comment that say why.
struct Departure {
  const char* Hand;
  int Call;
  const char* Because;
};
constexpr Departure Departures[] = {
    // 13 points over their 1H, yet no overcall: the suit is too poor.
    {"Pack07_Hand6", 2, "poor five-card suit"},
};

const Departure* DepartureOf(const std::string& hand, int call) {
  for (const Departure& departure : Departures)
    if (hand == departure.Hand && call == departure.Call) return &departure;
  return nullptr;
}

std::vector<Bid> CallsOf(const HandRecord& record) {
  std::vector<Bid> calls;
  for (const std::string& item : record.ScriptedAuction) calls.push_back(BidCode(item));
  return calls;
}

// A defence lesson bids a contract the comment says should go down.
bool DefenceLesson(const LessonHand& hand) {
  return hand.Record.Comment.find("go down") != std::string::npos;
}

bool CardPlayLesson(const LessonHand& hand) {
  return std::find(testing_support::CardPlayPacks.begin(), testing_support::CardPlayPacks.end(),
                   hand.Pack) != testing_support::CardPlayPacks.end();
}

// The suit and no-trump marks of a text, counted by letter.
std::map<char, int> MarksOf(const std::string& text) {
  std::map<char, int> marks;
  for (std::size_t at = 0; at + 1 < text.size(); ++at)
    if (text[at] == '~') ++marks[text[at + 1]];
  return marks;
}

class LessonHandTest : public ::testing::TestWithParam<std::size_t> {
 protected:
  const LessonHand& hand = Lessons().Hands[GetParam()];
  const HandRecord& record = hand.Record;
  const std::vector<Bid> calls = CallsOf(record);
};

TEST_P(LessonHandTest, CarriesEveryKeyWithValuesTheHandStoreReadsWhole) {
  std::vector<std::string> keys;
  for (const std::string& line : hand.Lines) {
    const auto equals = line.find('=');
    ASSERT_NE(equals, std::string::npos) << line;
    keys.push_back(line.substr(0, equals));
    EXPECT_LE(line.size() - equals - 1, TBigIniFile::MaxLineLength) << line;
  }
  for (const char* key : {"Dealer", "Vulnerability", "Deal", "Declarer", "Bids", "Lights", "Points",
                          "LeadDirector", "Comment"})
    EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
  EXPECT_EQ(std::find(keys.begin(), keys.end(), "Alerts") != keys.end(), !record.Alerts.empty());
  if (hand.Pack != 0) {
    EXPECT_NE(record.LeadDirector, "-") << "a pack's hand names its lead";
  }
}

TEST_P(LessonHandTest, CommentStatesThePointInOneOrTwoSentences) {
  int sentences = 0;
  for (std::size_t at = 0; at < record.Comment.size(); ++at) {
    const bool end = at + 1 == record.Comment.size() || record.Comment[at + 1] == ' ';
    if (std::string_view(".!?").find(record.Comment[at]) != std::string_view::npos && end)
      ++sentences;
  }
  EXPECT_GE(sentences, 1) << record.Comment;
  EXPECT_LE(sentences, 2) << record.Comment;
}

TEST_P(LessonHandTest, DealsFiftyTwoDifferentCardsFromTheDealersSeat) {
  EXPECT_EQ(record.DealText.size(), DealTextLength);
  EXPECT_EQ(SeatOfLetter(record.DealText.substr(0, 1)), record.Dealer) << record.DealText;
  for (int suit = Clubs; suit <= Spades; ++suit) {
    Holding seen = 0;
    for (int seat = North; seat <= West; ++seat) {
      EXPECT_EQ(seen & hand.Deal[seat][suit], 0u) << "a card twice in suit " << suit;
      seen |= hand.Deal[seat][suit];
    }
    EXPECT_EQ(CountCards(seen), 13);
  }
}

TEST_P(LessonHandTest, AuctionIsLegalAndEndsInTheNamedDeclarersContract) {
  const Result<AuctionOutcome> outcome = FollowCalls(calls, record.Dealer);
  ASSERT_TRUE(outcome) << outcome.Error();
  EXPECT_TRUE(outcome->Over) << "three passes must end the script";
  EXPECT_TRUE(IsContractBid(outcome->ContractBid)) << "a lesson is played, not passed out";
  EXPECT_EQ(outcome->Declarer, record.Declarer);
}

// The point display shows North's item from its third character and South's
// whole, then the length points of each once the auction is over.
TEST_P(LessonHandTest, PointTextsCountTheCards) {
  HandSet hands;
  hands.Deal(hand.Deal);
  EXPECT_EQ(record.PointsText, "N:" + std::to_string(hands[North].HighCardPoints) + "," +
                                   std::to_string(hands[South].HighCardPoints) + "," +
                                   std::to_string(hands[North].LengthPoints) + "," +
                                   std::to_string(hands[South].LengthPoints));
}

// Every call but a pass has a meaning in the system, and the hand that makes
// it holds what the meaning promises, unless the comment says why not. Its
// stop light and alert are those of the meaning: the same meaning shows the
// same light everywhere.
TEST_P(LessonHandTest, EveryCallIsTrueToTheSystemWithItsLightAndAlert) {
  ASSERT_EQ(record.ScriptedLights.size(), calls.size());
  for (std::size_t at = 0; at < calls.size(); ++at) {
    const int call = static_cast<int>(at) + 1;
    const SeatCode seat = (record.Dealer + at) % 4;
    const std::string& item = record.ScriptedAuction[at];
    SCOPED_TRACE("call " + std::to_string(call) + " " + item + " by " +
                 std::string(SeatNames[seat]));
    const bool alerted = item.find("(!)") != std::string::npos;
    const std::optional<CallMeaning> meaning = MeaningOfCall(calls, static_cast<int>(at));
    if (calls[at] == Pass) {
      EXPECT_EQ(record.ScriptedLights[at], "0");
      EXPECT_FALSE(alerted);
    }
    if (!meaning) {
      EXPECT_EQ(calls[at], Pass) << "the system has no meaning for the call";
      continue;
    }
    const CallRule& rule = meaning->Rules.front();
    EXPECT_EQ(record.ScriptedLights[at], std::string(1, rule.Light)) << rule.Name;
    EXPECT_EQ(alerted, rule.Alerted) << rule.Name;
    const std::string misfit = MisfitOfHand(*meaning, hand.Deal[seat]);
    if (const Departure* departure = DepartureOf(hand.Name, call)) {
      EXPECT_NE(misfit, "") << "the call fits; its departure is no longer one";
      EXPECT_NE(record.Comment.find(departure->Because), std::string::npos) << record.Comment;
    } else {
      EXPECT_EQ(misfit, "") << rule.Name;
    }
  }
}

TEST_P(LessonHandTest, EveryAlertSaysWhatTheCallShows) {
  const auto alerted =
      std::count_if(record.ScriptedAuction.begin(), record.ScriptedAuction.end(),
                    [](const std::string& item) { return item.find("(!)") != std::string::npos; });
  ASSERT_EQ(static_cast<int>(record.Alerts.size()), alerted);
  for (const std::string& alert : record.Alerts) {
    EXPECT_FALSE(IsAlertNumber(alert)) << alert << ": a line of the alert table names no meaning";
    EXPECT_GE(alert.size(), 5u) << alert;
  }
}

TEST_P(LessonHandTest, EveryTextComesInSixLanguagesWithItsSuitMarks) {
  std::vector<std::pair<std::string, const testing_support::SixTexts*>> texts{
      {record.Comment, &hand.Comment}};
  for (std::size_t alert = 0; alert < record.Alerts.size(); ++alert)
    texts.emplace_back(record.Alerts[alert], &hand.AlertTexts[alert]);
  for (const auto& [english, languages] : texts) {
    EXPECT_EQ((*languages)[0], english);
    for (std::size_t language = 1; language < languages->size(); ++language) {
      const std::string& text = (*languages)[language];
      EXPECT_NE(text, "") << LessonLanguages[language] << ": " << english;
      EXPECT_NE(text, english) << LessonLanguages[language];
      EXPECT_EQ(MarksOf(text), MarksOf(english)) << LessonLanguages[language] << ": " << text;
    }
  }
}

TEST_P(LessonHandTest, ContractMakesDoubleDummyUnlessTheLessonDefends) {
  const Result<AuctionOutcome> followed = FollowCalls(calls, record.Dealer);
  ASSERT_TRUE(followed) << followed.Error();
  const AuctionOutcome& outcome = *followed;
  ASSERT_TRUE(IsContractBid(outcome.ContractBid));
  const Result<TrickTable> table = DoubleDummyTable(hand.Deal);
  ASSERT_TRUE(table) << table.Error();
  const int tricks = (*table)[BidStrain(outcome.ContractBid)][outcome.Declarer];
  const int needed = BidLevel(outcome.ContractBid) + 6;
  if (DefenceLesson(hand)) {
    EXPECT_LT(tricks, needed) << "the comment says the contract should go down";
  } else {
    EXPECT_GE(tricks, needed) << BidShortText(outcome.ContractBid);
  }
}

// The engine leads from the suit the lead setting names first; no card of
// another suit may beat that suit's best card double dummy.
TEST_P(LessonHandTest, LeadSettingNamesASuitAsGoodAsTheBestLead) {
  if (record.LeadDirector == "-") GTEST_SKIP() << "no lead setting";
  const StrainCode suit = SuitOfLetter(std::string(1, std::toupper(record.LeadDirector[0])));
  const Result<AuctionOutcome> followed = FollowCalls(calls, record.Dealer);
  ASSERT_TRUE(followed) << followed.Error();
  const AuctionOutcome& outcome = *followed;
  const Result<PlayValues> leads =
      ValuesOfCards(hand.Deal, BidStrain(outcome.ContractBid), NextSeat(outcome.Declarer), {});
  ASSERT_TRUE(leads) << leads.Error();
  int bestInSuit = -1;
  for (const CardValue& lead : leads->Cards)
    if (CardSuit(lead.Played) == suit) bestInSuit = std::max(bestInSuit, lead.Tricks);
  EXPECT_EQ(bestInSuit, leads->Best()) << "lead setting " << record.LeadDirector;
}

std::vector<std::size_t> HandIndices() {
  std::vector<std::size_t> indices(Lessons().Hands.size());
  for (std::size_t at = 0; at < indices.size(); ++at) indices[at] = at;
  return indices;
}

INSTANTIATE_TEST_SUITE_P(Lessons, LessonHandTest, ::testing::ValuesIn(HandIndices()),
                         [](const auto& info) { return Lessons().Hands[info.param].Name; });

TEST(LessonLibraryTest, EveryPackAndTableIsRead) {
  EXPECT_EQ(Lessons().Problems, std::vector<std::string>{});
}

TEST(LessonLibraryTest, HandFileHoldsExactlyTheTenLessons) {
  TBigIniFile store(testing_support::kHandFile);
  std::vector<std::string> names;
  store.ReadSections(names);
  EXPECT_EQ(names, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST(LessonLibraryTest, PacksTeachSixtyHandsOrMoreInTenTopicsOrMore) {
  int hands = 0;
  for (const LessonPack& pack : Lessons().Packs) {
    hands += static_cast<int>(pack.Hands.size());
    EXPECT_GE(pack.Hands.size(), 5u) << pack.Name;
    for (std::size_t language = 0; language < LessonLanguages.size(); ++language)
      EXPECT_NE(pack.Topic[language], "") << pack.Name << " " << LessonLanguages[language];
  }
  EXPECT_GE(hands, 60);
  EXPECT_GE(Lessons().Packs.size(), 10u);
}

// A deal turned round the table is the same deal: each is compared by its
// four hands, whoever holds them.
TEST(LessonLibraryTest, NoDealIsDealtTwice) {
  std::map<std::vector<std::array<Holding, 4>>, std::string> seen;
  for (const LessonHand& hand : Lessons().Hands) {
    std::vector<std::array<Holding, 4>> hands(hand.Deal.begin(), hand.Deal.end());
    std::sort(hands.begin(), hands.end());
    const auto [at, fresh] = seen.emplace(hands, hand.Name);
    EXPECT_TRUE(fresh) << hand.Name << " deals the cards of " << at->second;
  }
}

TEST(LessonLibraryTest, NineInTenBiddingLessonsBidAContractThatMakes) {
  int bidding = 0, defended = 0;
  for (const LessonHand& hand : Lessons().Hands) {
    if (CardPlayLesson(hand)) continue;
    ++bidding;
    if (DefenceLesson(hand)) ++defended;
  }
  EXPECT_LE(defended * 10, bidding) << defended << " of " << bidding << " go down";
}

TEST(LessonLibraryTest, EveryDepartureNamesALessonHand) {
  for (const Departure& departure : Departures) {
    const auto& hands = Lessons().Hands;
    EXPECT_TRUE(std::any_of(hands.begin(), hands.end(), [&](const LessonHand& hand) {
      return hand.Name == departure.Hand;
    })) << departure.Hand;
  }
}

}  // namespace
}  // namespace tavlo
