#include "language/languages.h"

namespace tavlo {

QString HelpFileName(int language) {
  switch (language) {
    case Danish:
      return "Danish.hlp";
    case Norwegian:
      return "Norwegian.hlp";
    case French:
      return "French.hlp";
    case German:
      return "German.hlp";
    case Swedish:
      return "Swedish.hlp";
    default:
      return "English.hlp";
  }
}

}  // namespace tavlo
