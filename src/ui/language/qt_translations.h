#pragma once
// Qt's own words in the learner's language: the buttons of message boxes,
// the file, print and colour dialogs. They come from Debian's package of
// Qt's translations, found where Qt itself keeps them, and follow the
// table's language switch. English, or a language whose file is missing,
// leaves Qt's own English.

namespace tavlo {

// Puts Qt's words of the language (0 English .. 5 Swedish) in force in
// place of the language before; returns whether a translation was found.
bool UseQtTranslations(int language);

}  // namespace tavlo
