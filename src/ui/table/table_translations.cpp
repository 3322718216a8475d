#include "table/table_translations.h"

#include "language/translation_table.h"

// Q_INIT_RESOURCE names a function at global scope: a static library's
// resources are registered only when asked for by name.
static void InitTableTranslations() { Q_INIT_RESOURCE(table_translations); }

namespace tavlo {

void LoadTableTranslations(TBaseMultiLang& component) {
  InitTableTranslations();
  LoadTranslationTable(component, ":/lang/table.tsv");
}

}  // namespace tavlo
