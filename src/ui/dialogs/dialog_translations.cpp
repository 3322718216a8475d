#include "dialogs/dialog_translations.h"

#include "language/translation_table.h"

// Q_INIT_RESOURCE names a function at global scope: a static library's
// resources are registered only when asked for by name.
static void InitDialogTranslations() { Q_INIT_RESOURCE(dialog_translations); }

namespace tavlo {

void LoadDialogTranslations(TBaseMultiLang& component, const QString& name) {
  InitDialogTranslations();
  LoadTranslationTable(component, ":/lang/" + name);
}

}  // namespace tavlo
