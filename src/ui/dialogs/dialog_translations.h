#pragma once
// The translation tables of the small dialogs, built into this library.

#include <QString>

namespace tavlo {

class TBaseMultiLang;

// Gives component the table named name (for example "about_box.tsv").
void LoadDialogTranslations(TBaseMultiLang& component, const QString& name);

}  // namespace tavlo
