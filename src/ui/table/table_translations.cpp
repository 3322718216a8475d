#include "table/table_translations.h"

#include <QHash>

#include "language/base_multi_lang.h"
#include "language/translation_table.h"

// Q_INIT_RESOURCE names a function at global scope: a static library's
// resources are registered only when asked for by name.
static void InitTableTranslations() {
  Q_INIT_RESOURCE(table_translations);
  Q_INIT_RESOURCE(dialog_translations);
}

namespace tavlo {

void LoadTableTranslations(TBaseMultiLang& component) {
  InitTableTranslations();
  // The claim's words are kept with its dialog; the table's menu, play pad
  // and feedback line speak them too.
  std::optional<QStringList> words = ReadTranslationTable(":/lang/table.tsv");
  const std::optional<QStringList> claim = ReadTranslationTable(":/lang/claim.tsv");
  if (!words || !claim) {
    LoadTranslationTable(component, ":/lang/table.tsv");
    return;
  }
  component.Load(LanguageCount, *words + *claim);
}

QString RulePhrase(CardRule rule, int language) {
  // Read once: the phrases of every rule in every language, by rule name.
  static const QHash<QString, QStringList> phrases = [] {
    InitTableTranslations();
    QHash<QString, QStringList> byName;
    const QStringList words = ReadTranslationTable(":/lang/hint_rules.tsv").value_or(QStringList{});
    for (qsizetype at = 0; at + LanguageCount < words.size(); at += LanguageCount + 1)
      byName.insert(words[at], words.mid(at + 1, LanguageCount));
    return byName;
  }();
  const std::string_view name = CardRuleName(rule);
  const QStringList texts =
      phrases.value(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  return language >= 0 && language < texts.size() ? texts[language] : QString();
}

QString ReasonPhrase(const CardReason& reason, int language) {
  return RulePhrase(reason.LookedAhead ? CardRule::LookAhead : reason.Rule, language);
}

}  // namespace tavlo
