#include "common/strings_resource.h"

#include <gtest/gtest.h>

#include "model/string_table.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

using Lines = std::vector<std::string>;

TEST(LoadStringsResource, AlertTextsKeyedOneTo192) {
  RecordingNotifier notifier;
  Lines alerts{"kept"};
  ASSERT_TRUE(LoadStringsResource("Alerts", alerts));
  EXPECT_TRUE(notifier.messages.isEmpty());
  // The list is not cleared first, and the table has no empty last line.
  ASSERT_EQ(alerts.size(), 193u);
  EXPECT_EQ(alerts.front(), "kept");
  for (int n = 1; n <= 192; ++n) {
    EXPECT_TRUE(alerts[n].starts_with(std::to_string(n) + "=")) << alerts[n];
    EXPECT_FALSE(ValueOfKey(alerts, std::to_string(n)).empty()) << n;
  }
  EXPECT_EQ(ValueOfKey(alerts, "1"), "Namyats- long ~C or ~D");
  EXPECT_EQ(ValueOfKey(alerts, "117"), "5 card raise  7-10 Pts");
  EXPECT_EQ(ValueOfKey(alerts, "170"), "11-13 HCP, 4~D && 4~H");
  EXPECT_EQ(ValueOfKey(alerts, "192"), "Namyats - Long spades");
  EXPECT_EQ(ValueOfKey(alerts, "193"), "");
}

struct LeadTable {
  const char* name;
  std::size_t rows;
  std::vector<std::pair<const char*, const char*>> telling;
};
class LeadTables : public testing::TestWithParam<LeadTable> {};
TEST_P(LeadTables, RowsOfTheLeadFormThenAnEmptyLine) {
  RecordingNotifier notifier;
  Lines lines;
  ASSERT_TRUE(LoadStringsResource(GetParam().name, lines));
  ASSERT_EQ(lines.size(), GetParam().rows + 1);
  EXPECT_EQ(lines.back(), "");
  for (std::size_t i = 0; i < GetParam().rows; ++i) {
    const std::string& line = lines[i];
    const auto equals = line.find('=');
    ASSERT_NE(equals, std::string::npos) << line;
    // "N" or "S", then at most four cards; the card to lead is one of them.
    EXPECT_TRUE(line[0] == 'N' || line[0] == 'S') << line;
    EXPECT_LE(equals, 5u) << line;
    const int card = std::stoi(line.substr(equals + 1));
    EXPECT_GE(card, 1) << line;
    EXPECT_LE(card, std::min<int>(4, equals - 1)) << line;
    EXPECT_EQ(line.find_first_not_of("AKQJT9X", 1), equals) << line;
  }
  for (const auto& [key, value] : GetParam().telling) {
    EXPECT_EQ(ValueOfKey(lines, key), value) << GetParam().name << " " << key;
  }
}
INSTANTIATE_TEST_SUITE_P(
    Systems, LeadTables,
    testing::Values(
        LeadTable{"DANISHLEADS", 50, {{"NAKT", "1"}, {"NAJX", "3"}, {"NT9X", "1"}, {"SKJT", "2"}}},
        LeadTable{
            "FORUMDLEADS", 64, {{"NAKT9", "3"}, {"NAKXX", "4"}, {"NT9X", "1"}, {"SKJT", "2"}}},
        LeadTable{"FRENCHLEADS", 65, {{"NT9X", "2"}, {"SKJT", "2"}}},
        LeadTable{"SWEDISHLEADS", 21, {{"NAKT", "1"}}}));

TEST(LoadStringsResource, SwedishTableLeadsOnlyTheTopCard) {
  Lines lines;
  ASSERT_TRUE(LoadStringsResource("SWEDISHLEADS", lines));
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_TRUE(lines[i].ends_with("=1"));
}

TEST(LoadStringsResource, MissingTableIsReportedAndTheListKept) {
  RecordingNotifier notifier;
  Lines lines{"kept"};
  EXPECT_FALSE(LoadStringsResource("NORWEGIANLEADS", lines));
  EXPECT_EQ(lines, Lines{"kept"});
  EXPECT_EQ(notifier.messages, QStringList{"Could not find the resource"});
}

}  // namespace
}  // namespace tavlo
