#include "engine/suit_entries.h"

#include <gtest/gtest.h>

#include "engine/suit_view_refresh.h"
#include "estimate_deals.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::Table;

enum class Question { EntryOutside, RhoTops, LhoTops };

struct EntryCase {
  const char* name;
  std::string_view deal;
  int trump;
  Question question;
  int seat;  // for the safe entry
  int suit;
  bool expected;
};

class EntryTests : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryTests, LookAtTheOtherSuitsAndReselectTheView) {
  const EntryCase& c = GetParam();
  Table table;
  table.Start(c.deal, West, c.trump);
  bool found = false;
  switch (c.question) {
    case Question::EntryOutside:
      found = HasEntryOutside(table.context, c.seat, c.suit);
      break;
    case Question::RhoTops:
      found = RhoTopsAnotherSuit(table.context, c.suit);
      break;
    case Question::LhoTops:
      found = LhoTopsAnotherSuit(table.context, c.suit);
      break;
  }
  EXPECT_EQ(found, c.expected);
  EXPECT_EQ(&CurrentView(table.context), &table.hands[North].SuitViews[c.suit]);
}

using testing_support::EastRuffsClubs;
using testing_support::EastSingletonDiamond;
using testing_support::SpadesForUs;

INSTANTIATE_TEST_SUITE_P(Deals, EntryTests,
                         testing::Values(EntryCase{"EastsClubsReachWest", SpadesForUs, NoTrump,
                                                   Question::EntryOutside, East, Spades, true},
                                         EntryCase{"NorthToppedEverywhere", SpadesForUs, NoTrump,
                                                   Question::EntryOutside, North, Spades, false},
                                         // West's clubs need a club from East, who has none; the
                                         // jack of diamonds is the entry.
                                         EntryCase{"WestInWithDiamonds", EastRuffsClubs, Hearts,
                                                   Question::EntryOutside, West, Spades, true},
                                         // North's spades top the suit, but West ruffs them.
                                         EntryCase{"TopCardsThatGetRuffed", EastRuffsClubs, Hearts,
                                                   Question::EntryOutside, North, Diamonds, false},
                                         EntryCase{"WestsClubsWithEastToLead", SpadesForUs, NoTrump,
                                                   Question::RhoTops, North, Spades, true},
                                         EntryCase{"EastsClubsWithWestToLead", SpadesForUs, NoTrump,
                                                   Question::LhoTops, North, Spades, true},
                                         EntryCase{"WestsClubsButEastVoid", EastSingletonDiamond,
                                                   Hearts, Question::RhoTops, North, Spades, false},
                                         EntryCase{"EastsTrumpsButWestVoid", EastSingletonDiamond,
                                                   Hearts, Question::LhoTops, North, Spades,
                                                   false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
