#pragma once
// Geometry that differs by language: a longer French caption may need a wider
// button. Each line of the table is a control's name in lower case (or
// "%Form%" for the window), then one "left.top.width.height" entry per
// language; an entry of three full stops alone stores nothing.

#include <QStringList>

#include "language/base_multi_lang.h"

class QWidget;

namespace tavlo {

// Keeps the geometry that the window (unless only controls switch) and each of
// its named controls have now as the entries of language.
void SavePositions(QStringList& positions, int languages, int language, QWidget* window,
                   TSwitchPositions mode);

// Gives the window (unless only controls switch) and each named control the
// geometry stored for language, where one is stored.
void ApplyPositions(const QStringList& positions, int language, QWidget* window,
                    TSwitchPositions mode);

}  // namespace tavlo
