#pragma once
// The translation table of the card table, built into this library, and
// the hint's phrases beside it.

#include <QString>

#include "engine/card_rule.h"

namespace tavlo {

class TBaseMultiLang;

void LoadTableTranslations(TBaseMultiLang& component);

// The phrase of the engine's rule in the language ("second hand low"),
// written to follow a card in a sentence; empty when the phrase table lacks
// it.
QString RulePhrase(CardRule rule, int language);
// The phrase of why the engine plays its card: the look-ahead's when it
// chose the card over the analysis's first one, else the card's rule's.
QString ReasonPhrase(const CardReason& reason, int language);

}  // namespace tavlo
