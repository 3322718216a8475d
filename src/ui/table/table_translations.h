#pragma once
// The translation table of the card table, built into this library.

namespace tavlo {

class TBaseMultiLang;

void LoadTableTranslations(TBaseMultiLang& component);

}  // namespace tavlo
