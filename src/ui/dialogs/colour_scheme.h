#pragma once
// Colouring a window from the colour scheme: the window takes the background
// colour, and every panel and label that carries a "Tag" property (0..3)
// takes the scheme's colour of that tag. A control tagged otherwise (99 marks
// a panel that wears a colour of its own) keeps its colour, and the bid box
// (whose panels wear the colours of their strains) is never recoloured.

#include <QColor>

#include "options/options_record.h"

class QWidget;

namespace tavlo {

inline constexpr char TagProperty[] = "Tag";

// The scheme's colour of tag, or fallback for a tag outside 0..3.
QColor SchemeColour(const ColourSchemeColours& scheme, int tag, const QColor& fallback);
// Marks widget as coloured by the scheme entry tag.
void SetSchemeTag(QWidget* widget, int tag);
void ApplyColourScheme(QWidget* window, const ColourSchemeColours& scheme, bool refresh);

}  // namespace tavlo
