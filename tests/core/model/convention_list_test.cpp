#include "model/convention_list.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

ConventionList Leads() {
  return ConventionList(
      {"NAKT9=3", "NAKXX=4", "SKJT=2", "LATN=x", "FOSN=Y", "CLv=12", "CLu=", "HRDa=abc"});
}

struct ValueCase {
  const char* key;
  int value;
  bool is;
};
class ConventionLookup : public testing::TestWithParam<ValueCase> {};
TEST_P(ConventionLookup, ValueAndFlag) {
  ConventionList list = Leads();
  EXPECT_EQ(list.ConventionValue(GetParam().key), GetParam().value) << GetParam().key;
  EXPECT_EQ(list.ConventionIs(GetParam().key), GetParam().is) << GetParam().key;
}
INSTANTIATE_TEST_SUITE_P(Keys, ConventionLookup,
                         // Lead keys of five characters are found whole: NAKT9 is not NAKT.
                         testing::Values(ValueCase{"NAKT9", 3, false}, ValueCase{"NAKT", 0, false},
                                         ValueCase{"SKJT", 2, false}, ValueCase{"LATN", 0, true},
                                         ValueCase{"FOSN", 0, false}, ValueCase{"CLv", 12, false},
                                         ValueCase{"CLu", 0, false}, ValueCase{"HRDa", 0, false},
                                         ValueCase{"SXXXX", 0, false}));

TEST(ConventionList, EmptyListFindsNothingAndSaysNothingOutsideDeveloperMode) {
  ConventionList list;
  std::vector<std::string> messages;
  list.SetDeveloperMode(false, [&](const std::string& m) { messages.push_back(m); });
  EXPECT_EQ(list.ConventionValue("CLv"), 0);
  EXPECT_FALSE(list.ConventionIs("LATN"));
  EXPECT_TRUE(messages.empty());
}

TEST(ConventionList, OneMessagePerRunOfLookupsForAMissingKey) {
  ConventionList list = Leads();
  std::vector<std::string> messages;
  list.SetDeveloperMode(true, [&](const std::string& m) { messages.push_back(m); });
  list.ConventionValue("NAQJ");
  list.ConventionIs("NAQJ");
  list.ConventionValue("NAKT9");  // found: the last reported key stays NAQJ
  list.ConventionValue("NAQJ");
  list.ConventionValue("CLu");  // present but empty counts as missing
  list.ConventionValue("NAQJ");
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Convention NAQJ not found!", "Convention CLu not found!",
                                      "Convention NAQJ not found!"}));
}

}  // namespace
}  // namespace tavlo
