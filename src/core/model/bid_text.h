#pragma once
// The text forms of a bid: the short form kept in the auction record and the
// hand file, the symbol form with "~" suit markup shown on the table, and the
// long form in which a contract is shown and printed.

#include <string>
#include <string_view>

#include "model/codes.h"

namespace tavlo {

// The symbol text of an empty auction slot: three em dashes and a space. Our
// text is UTF-8, so each dash is U+2014 (three bytes), where the old symbol
// font had the single byte 0x97.
inline constexpr std::string_view NoBidSymbolText = "\u2014\u2014\u2014 ";

// Reads a bid in any of the forms a script may hold: "1C", "2C(!)", "P",
// "Pass", "X", "Dbl", "XX", "7N"; an alert reference in parentheses is ignored.
// The strain may also be a suit symbol (♣ ♦ ♥ ♠). Letters count in upper case
// only; a strain that is no suit is no trump. A single other character, or a
// level digit outside 1..7, names no bid (NoBid).
Bid BidCode(std::string_view text);

// "1C".."7N", "XX", "X", "P"; "??" for any other code.
std::string BidShortText(int code);

// "1~C".."7~N", "RDbl", "Dbl", "Pass", NoBidSymbolText for 38; "????" otherwise.
std::string BidSymbolText(int code);

// "ReDbl", "Double", "Pass", "No Bid", or the symbol text followed by " X" when
// doubled is 1 or " XX" when it is 2: "4~S X", "6~N XX".
std::string BidLongText(int code, int doubled);

}  // namespace tavlo
