#include "engine/card_rule.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "engine/analyse_position.h"
#include "engine/card_choice.h"
#include "engine/random_deal.h"
#include "play_fixture.h"
#include "table_snapshot.h"

namespace tavlo {
namespace {

using testing_support::CardOf;
using testing_support::Table;
using testing_support::Take;

TEST(CardRule, EveryRuleHasItsOwnNameAndIsFoundByIt) {
  std::set<std::string_view> names;
  for (const CardRule rule : AllCardRules) {
    const std::string_view name = CardRuleName(rule);
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_EQ(CardRuleNamed(name), rule) << name;
  }
  EXPECT_EQ(CardRuleNamed("second hand low"), std::nullopt);
  EXPECT_EQ(CardRuleNamed(""), std::nullopt);
}

// 4H by South. North AK43 QJ2 K876 32, East QJT9 K54 A95 765, South 87
// AT9876 QJ AKQ, West 652 3 T432 JT984.
constexpr std::string_view Contract =
    "N:AK43.QJ2.K876.32 QJT9.K54.A95.765 87.AT9876.QJ.AKQ 652.3.T432.JT984";
// As above with North's jack of hearts and South's ace changed over: North
// holds the ace-queen over East's king.
constexpr std::string_view Tenace =
    "N:AK43.AQ2.K876.32 QJT9.K54.A95.765 87.JT9876.QJ.AKQ 652.3.T432.JT984";
// South void in spades, West void in hearts.
constexpr std::string_view Voids =
    "N:AK43.QJ2.K876.32 QJT9.K54.A95.765 .AT98763.QJ4.AKQ 87652..T32.JT984";

struct RuleCase {
  const char* name;
  std::string_view deal;
  const char* played;  // the cards before, from West's opening lead
  const char* card;
  CardRule rule;
  const char* director = "";
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

class CardRuleOfPosition : public testing::TestWithParam<RuleCase> {};

TEST_P(CardRuleOfPosition, NamesThePartTheCardPlays) {
  const RuleCase& c = GetParam();
  Table table;
  table.Start(c.deal, South, Hearts);
  table.Play(c.played);
  OpeningLeadFacts facts;
  facts.LeadDirector = c.director;
  const auto before = Take(table);
  EXPECT_EQ(CardRuleName(CardRuleOf(table.hands, table.play, facts, CardOf(c.card))),
            CardRuleName(c.rule));
  EXPECT_TRUE(Take(table) == before);
}

// Trick one in Tenace: West's club jack, North's two, East's five, South's
// queen; South then leads the six of hearts and West follows with the three.
constexpr const char* TrickOneAndHeart = "JC 2C 5C QC 6H 3H";

INSTANTIATE_TEST_SUITE_P(
    Table, CardRuleOfPosition,
    testing::Values(
        RuleCase{"OpeningTopOfSequence", Contract, "", "JC", CardRule::LeadTopOfSequence},
        RuleCase{"OpeningTrump", Contract, "", "3H", CardRule::LeadTrump},
        RuleCase{"OpeningTopOfNothing", Contract, "", "6S", CardRule::LeadTopOfNothing},
        RuleCase{"OpeningFourthBest", Contract, "", "2D", CardRule::LeadLowFromLength},
        RuleCase{"OpeningPartnersSuit", Contract, "", "2D", CardRule::LeadPartnersSuit, "d"},
        RuleCase{"SecondHandLowOverTheCardLed", Contract, "2S", "3S", CardRule::SecondHandLow},
        RuleCase{"SecondHandWinsOverThirdHand", Contract, "2S", "AS", CardRule::SecondHandWins},
        RuleCase{"CoverAnHonourWithAnHonour", Contract, "TD", "KD", CardRule::CoverHonour},
        RuleCase{"SecondHandLowUnderTheHonourLed", Contract, "TD", "6D", CardRule::SecondHandLow},
        RuleCase{"ThirdHandHighFromTouchingCards", Contract, "2S 3S", "9S",
                 CardRule::ThirdHandHigh},
        RuleCase{"CannotWin", Tenace, "JC", "2C", CardRule::CannotWinLow},
        RuleCase{"DummyCannotWinSparesACard", Tenace, "JC", "3C", CardRule::SpareCard},
        RuleCase{"DefenderCannotWinShowsCount", Contract, "2S AS", "TS", CardRule::CountSignal},
        RuleCase{"CannotWinBehindPartner", Tenace, "JC 2C", "5C", CardRule::CannotWinLow},
        RuleCase{"FourthHandWins", Tenace, "JC 2C 5C", "QC", CardRule::WinCheaply},
        RuleCase{"PartnersTrick", Contract, "2S AS 9S", "7S", CardRule::LowToPartnersTrick},
        RuleCase{"DeclarerSparesACardUnderDummysTrick", Contract, "2S AS 9S", "8S",
                 CardRule::SpareCard},
        RuleCase{"OvertakePartner", Contract, "3H QH 4H", "AH", CardRule::Unblock},
        RuleCase{"FourthHandLetsItGo", Tenace, "JC 2C 5C QC 6H 3H 2H", "4H", CardRule::HoldUp},
        RuleCase{"Finesse", Tenace, TrickOneAndHeart, "QH", CardRule::Finesse},
        RuleCase{"ThirdHandHighOverTheKing", Tenace, TrickOneAndHeart, "AH",
                 CardRule::ThirdHandHigh},
        RuleCase{"TheLastCardOfTheSuit", Tenace, "JC 2C 5C QC 6H", "3H", CardRule::OnlyCard},
        RuleCase{"DrawTrumps", Tenace, "JC 2C 5C QC", "6H", CardRule::DrawTrumps},
        RuleCase{"CashAWinner", Tenace, "JC 2C 5C QC", "AC", CardRule::CashWinner},
        RuleCase{"LeadToPartnersWinner", Tenace, "JC 2C 5C QC", "8S",
                 CardRule::LeadToPartnersWinner},
        RuleCase{"LeadTowardTheKing", Tenace, "JC 2C 5C QC", "JD", CardRule::LeadTowardHonour},
        RuleCase{"Ruff", Voids, "2S 3S 9S", "3H", CardRule::Ruff},
        RuleCase{"DiscardWhenOutOfTrumps", Voids, "2S 3S 9S 3H AH", "4C", CardRule::Discard}),
    [](const testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

// The kind of position each rule belongs to.
enum class Turn { Any, Lead, Follow, Void };

Turn TurnOf(CardRule rule) {
  switch (rule) {
    case CardRule::OnlyCard:
    case CardRule::LookAhead:
      return Turn::Any;
    case CardRule::Ruff:
    case CardRule::Overruff:
    case CardRule::Discard:
      return Turn::Void;
    default:
      return rule < CardRule::SecondHandLow ? Turn::Lead : Turn::Follow;
  }
}

// Whole hands played by the engine on a standing clock: at every card the
// reason is worked out aside, leaves the table as it was, names a rule of
// the kind of the position (a lead rule for a lead, a following rule for a
// card of the suit led, a ruff or a discard when void), and says the
// look-ahead chose the card exactly when it is not the analysis's first.
TEST(ReasonFor, FitsEveryPositionOfWholeHands) {
  std::set<CardRule> seen;
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    Table table;
    table.Start(RandomDeal(seed), seed % 4, (seed + 1) % 5);
    table.search.ThinkingTime = 4;
    table.search.TimeLimit = 4;
    table.search.StartTime = table.clock.Seconds();
    auto engine = std::make_unique<EngineState>();
    while (table.play.CardsPlayed < 52) {
      table.search.TablePosition = table.play.CardsPlayed;
      int projection = 0;
      const Card card = ChooseCard(table.context, *engine, projection);
      const auto before = Take(table);
      AnalysisCopy aside(table.hands, table.play, table.search, *engine, table.clock);
      const CardReason reason = ReasonFor(aside.Context, aside.Engine, card);
      ASSERT_TRUE(Take(table) == before);
      seen.insert(reason.Rule);

      const std::string where =
          "seed " + std::to_string(seed) + " card " + std::to_string(table.play.CardsPlayed);
      const bool forced = ForcedCard(table.context) == card;
      EXPECT_EQ(reason.Rule == CardRule::OnlyCard, forced) << where;
      const Turn turn = table.play.TrickPosition == 1          ? Turn::Lead
                        : CardSuit(card) == table.play.SuitLed ? Turn::Follow
                                                               : Turn::Void;
      if (forced) {
        PlayCard(table.context, card);
        continue;
      }
      if (reason.Rule != CardRule::LookAhead) {
        EXPECT_EQ(TurnOf(reason.Rule), turn) << where;
      }
      AnalysisCopy analysed(table.hands, table.play, table.search, *engine, table.clock);
      AnalysePosition(analysed.Context, analysed.Engine);
      EXPECT_EQ(reason.LookedAhead, analysed.Engine.Analysis.Candidates[0] != card) << where;
      PlayCard(table.context, card);
    }
  }
  // The deals reach leads, following and void seats alike.
  EXPECT_GE(seen.size(), 12u);
}

}  // namespace
}  // namespace tavlo
