#pragma once
// The small text forms of Portable Bridge Notation that both its reader and
// its writer speak: calls, contracts, cards and seats, and the text of the
// file itself (UTF-8 or Latin-1, with the notation's escapes in strings).

#include <optional>
#include <string>
#include <string_view>

#include "pbn/pbn_board.h"

namespace tavlo {

// "1C".."7NT", "Pass", "X", "XX".
std::string PbnCallText(Bid call);
// Reads a call in any case, with "P" and "NT" or "N"; nothing for a token
// that is no call.
std::optional<Bid> ReadPbnCall(std::string_view token);

// "Pass", "4S", "3NTX", "6HXX".
std::string PbnContractText(const PbnContract& contract);
std::optional<PbnContract> ReadPbnContract(std::string_view text);

// Suit letter then rank: "SA", "HT", "C2".
std::string PbnCardText(Card card);
// Reads a card in either order of suit and rank, in any case; 0 for no card.
Card ReadPbnCard(std::string_view token);

// The seat of a tag such as Dealer or Declarer; nothing for an empty or
// unknown ("?") value.
std::optional<SeatCode> ReadPbnSeat(std::string_view text);

// "None", "NS", "EW", "All".
std::string_view PbnVulnerabilityText(int vulnerability);
// None, Love and "-" are none, NS, EW, All and Both; nothing for another text.
std::optional<int> ReadPbnVulnerability(std::string_view text);

// The bytes of a file as UTF-8: UTF-8 stays as it is, anything else is read
// as Latin-1, the other encoding the notation allows.
std::string PbnTextAsUtf8(std::string_view bytes);

// A text as a string of the notation: quotes and backslashes escaped, and
// the suit symbols of our "~" markup ("~S") as the notation's "\S".
std::string PbnString(std::string_view text);
// The other way: a string's escapes read back, suit symbols as "~S".
std::string TextOfPbnString(std::string_view value);

}  // namespace tavlo
