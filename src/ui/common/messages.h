#pragma once
// Every message the program shows, in the learner's language. Core and the
// windows write their messages in English, each one a fixed sentence with
// values filled in: a file name, a board, the reason of a part. The table
// messages.tsv holds each fixed sentence in six languages, with %1, %2, ...
// where the values go. A message is matched against the English sentences
// and said again in the language, each value in turn said in the language
// when it is a message itself (the reason a board was left out, the reason
// why that auction is not legal). A text that no sentence matches, such as
// a file name, stays as written.

#include <QString>

namespace tavlo {

// The message in the language (0 English .. 5 Swedish), line by line;
// English, or an index that is no language, leaves it as it is.
QString MessageInLanguage(const QString& english, int language);

}  // namespace tavlo
