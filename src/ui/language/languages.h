#pragma once
// The languages of Tavlo, in the order of every translation table, and the
// help file each one reads.

#include <QString>

namespace tavlo {

inline constexpr int English = 0, Danish = 1, Norwegian = 2, French = 3, German = 4, Swedish = 5;
inline constexpr int LanguageCount = 6;

// Each language has its help file; any other index reads the English.
QString HelpFileName(int language);

}  // namespace tavlo
