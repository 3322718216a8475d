// The hint's phrases: every rule the engine can give says why in all six
// languages, and the phrase table holds no line for a rule the engine
// lacks (a renamed rule would leave its phrase behind unseen).

#include <gtest/gtest.h>

#include "language/languages.h"
#include "language/translation_table.h"
#include "table/table_translations.h"

namespace tavlo {
namespace {

TEST(HintPhrases, EveryRuleOfTheEngineHasItsPhraseInSixLanguages) {
  for (const CardRule rule : AllCardRules) {
    for (int language = English; language < LanguageCount; ++language) {
      const QString phrase = RulePhrase(rule, language);
      EXPECT_FALSE(phrase.trimmed().isEmpty()) << CardRuleName(rule) << " in " << language;
      // Written to follow the card: no full stop of its own.
      EXPECT_FALSE(phrase.endsWith('.')) << CardRuleName(rule) << " in " << language;
    }
  }
}

TEST(HintPhrases, TheTableNamesOnlyRulesOfTheEngine) {
  const std::optional<QStringList> words =
      ReadTranslationTable(TAVLO_SOURCE_DIR "/resources/lang/hint_rules.tsv");
  ASSERT_TRUE(words.has_value());
  int rows = 0;
  for (qsizetype at = 0; at + LanguageCount < words->size(); at += LanguageCount + 1, ++rows)
    EXPECT_TRUE(CardRuleNamed((*words)[at].toStdString()).has_value())
        << (*words)[at].toStdString();
  EXPECT_EQ(rows, static_cast<int>(AllCardRules.size()));
}

// The look-ahead's phrase stands for the rule when the look-ahead chose the
// card over the analysis's first; a rule is asked for in the language given.
TEST(HintPhrases, TheLookAheadSpeaksWhenItChoseTheCard) {
  EXPECT_EQ(ReasonPhrase({CardRule::SecondHandLow, false}, English), "second hand low");
  EXPECT_EQ(ReasonPhrase({CardRule::SecondHandLow, false}, German), "zweite Hand tief");
  EXPECT_EQ(ReasonPhrase({CardRule::SecondHandLow, true}, French),
            RulePhrase(CardRule::LookAhead, French));
  EXPECT_TRUE(RulePhrase(CardRule::Ruff, LanguageCount).isEmpty());
}

}  // namespace
}  // namespace tavlo
