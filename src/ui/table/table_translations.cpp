#include "table/table_translations.h"

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

}  // namespace tavlo
