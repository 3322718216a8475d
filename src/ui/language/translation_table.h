#pragma once
// Reading a window's translation table from its resource file.

#include <QStringList>
#include <optional>

#include "language/languages.h"

namespace tavlo {

class TBaseMultiLang;

// Reads the table at path, a file or a resource (":/lang/table.tsv"), as the
// flat list of groups the translation component walks.
//
// The file is UTF-8 text with one group per line: the key, then a tab and
// the text of each language in index order (English, Danish, Norwegian,
// French, German, Swedish):
//
//   %Form%<TAB>Save this hand<TAB>Gem dette spil<TAB>...   the window's caption
//   EOSNewHand<TAB>Play a &New Hand<TAB>...                a control by its name
//   ".Hint<TAB>Clear all cards off the table<TAB>...       hint of the control above
//   "<TAB>Blue Checks<TAB>...                              next item of the list above
//
// Texts missing at the end of a line are empty (an empty caption is shown
// empty, an empty hint keeps the hint); texts beyond the languages are
// ignored. In a text, \n stands for a line break, \t for a tab and \\ for a
// backslash. Empty lines and lines starting with "#" are comments. Lines may
// end in LF or CRLF. Returns nothing when the file cannot be read.
std::optional<QStringList> ReadTranslationTable(const QString& path, int languages = LanguageCount);

// Gives component the table at path with LanguageCount languages. Returns
// false, leaving the component as it was, when the file cannot be read.
bool LoadTranslationTable(TBaseMultiLang& component, const QString& path);

}  // namespace tavlo
