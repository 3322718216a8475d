#pragma once
// The translation component of a window: TBaseMultiLang's table and switch,
// with the rules by which each kind of control takes its texts.
//
// A window creates one with itself as the window, loads its table
// (LoadTranslationTable) and calls SetActiveLanguage(Language) when it is
// activated; the table window also calls it when the user picks a language.

#include "language/base_multi_lang.h"

namespace tavlo {

class TMultiLang : public TBaseMultiLang {
  Q_OBJECT
 public:
  using TBaseMultiLang::TBaseMultiLang;

 protected:
  void ApplyEntry(QObject* component, WordReader& reader) override;
};

}  // namespace tavlo
